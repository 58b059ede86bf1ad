#include "ReportPainter.h"

#include <QPainter>

namespace ReportPainter {

namespace {

QRectF toDevice(const QRectF &mm, double dotsPerMm)
{
    return QRectF(mm.x() * dotsPerMm, mm.y() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm);
}

void paintText(QPainter &painter, const ReportItem &item, const QRectF &box)
{
    if (item.style.background.isValid())
        painter.fillRect(box, item.style.background);
    if (item.text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(box);
    painter.setFont(ReportFonts::font(item.style));
    painter.setPen(item.style.colour);
    // A small inner margin keeps left-aligned texts off the edge of their coloured box.
    const double inset = item.style.alignment & Qt::AlignHCenter ? 0 : box.height() * 0.08;
    painter.drawText(box.adjusted(inset, 0, -inset, 0), int(item.style.alignment) | Qt::TextSingleLine,
                     item.text);
    painter.restore();
}

void paintLine(QPainter &painter, const ReportItem &item, const QRectF &box, double dotsPerMm)
{
    painter.setPen(QPen(item.pen, item.penMm * dotsPerMm));
    painter.drawLine(box.topLeft(), box.topRight());
}

void paintFrame(QPainter &painter, const ReportItem &item, const QRectF &box, double dotsPerMm)
{
    if (item.fill.isValid())
        painter.fillRect(box, item.fill);
    if (item.pen.isValid()) {
        painter.setPen(QPen(item.pen, item.penMm * dotsPerMm));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
}

void paintPicture(QPainter &painter, const ReportItem &item, const QRectF &box)
{
    if (item.picture.isNull())
        return;
    QSizeF size = item.picture.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                        size.width(), size.height());
    painter.drawImage(target, item.picture);
}

} // namespace

void paintPage(QPainter &painter, const ReportPage &page, double dotsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const ReportItem &item : page.items) {
        const QRectF box = toDevice(item.mm, dotsPerMm);
        switch (item.kind) {
        case ReportItem::Kind::Text:
            paintText(painter, item, box);
            break;
        case ReportItem::Kind::Line:
            paintLine(painter, item, box, dotsPerMm);
            break;
        case ReportItem::Kind::Frame:
            paintFrame(painter, item, box, dotsPerMm);
            break;
        case ReportItem::Kind::Picture:
            paintPicture(painter, item, box);
            break;
        }
    }
    painter.restore();
}

QImage pageImage(const PreparedReport &report, int page, int widthPx)
{
    const QSizeF mm = report.pageMm();
    const double dotsPerMm = widthPx / mm.width();
    QImage image(widthPx, qRound(mm.height() * dotsPerMm), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dotsPerMm * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, report.pages.value(page), dotsPerMm);
    return image;
}

} // namespace ReportPainter
