#include "DefaultLogo.h"

#include "platform/Platform.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QSaveFile>

namespace {

// The euro sign as one filled outline, centred on the origin, for a sign of the given height.
QPainterPath euroSign(qreal height)
{
    const qreal r = height * 0.42;      // radius of the bow's centre line
    const qreal stroke = height * 0.13; // thickness of the bow
    QPainterPath bow;
    const QRectF circle(-r, -r, 2 * r, 2 * r);
    bow.arcMoveTo(circle, 42);
    bow.arcTo(circle, 42, 276);
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath sign = stroker.createStroke(bow);

    // Two bars through the bow, reaching out on the left as in the printed sign.
    const qreal barHeight = height * 0.085;
    const qreal gap = height * 0.1;
    const qreal left = -r - stroke * 1.35;
    const qreal right = r * 0.42;
    for (const qreal y : {-gap - barHeight / 2, gap - barHeight / 2}) {
        QPainterPath bar;
        bar.addRect(QRectF(left, y, right - left, barHeight));
        sign = sign.united(bar);
    }
    return sign.simplified();
}

void paintEuro(QPainter &p, const QPointF &centre, qreal height)
{
    const QPainterPath sign = euroSign(height).translated(centre);
    const QRectF box = sign.boundingRect();
    QLinearGradient blue(box.topLeft(), box.bottomRight());
    blue.setColorAt(0.0, QColor(0x2f, 0x80, 0xed));
    blue.setColorAt(1.0, QColor(0x12, 0x45, 0xa8));
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPath(sign);
}

} // namespace

namespace DefaultLogo {

QImage image()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The sign sits a little right of centre: its bars reach further to the left than its bow.
    paintEuro(p, QPointF(kWidth / 2.0 + 8, kHeight / 2.0), kHeight * 0.78);
    return picture;
}

QIcon icon()
{
    QIcon result;
    for (const int size : {16, 22, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paintEuro(p, QPointF(size / 2.0 + size * 0.05, size / 2.0), size * 0.82);
        p.end();
        result.addPixmap(pixmap);
    }
    return result;
}

QImage blank()
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace DefaultLogo

namespace LogoFile {

QString path()
{
    return programFile(QStringLiteral("Logo.bmp"));
}

QImage load()
{
    return loadFrom(path());
}

QImage loadFrom(const QString &file)
{
    QImage picture(file);
    return picture.isNull() ? DefaultLogo::image() : picture;
}

bool save(const QImage &picture)
{
    if (picture.isNull())
        return false;
    // A bitmap has no transparency worth keeping: what is see-through is printed on white paper.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, picture);
    }
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!flat.save(&file, "BMP"))
        return false;
    return file.commit();
}

} // namespace LogoFile
