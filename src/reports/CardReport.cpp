#include "CardReport.h"

#include <QPainter>
#include <QSvgRenderer>

namespace CardReport {

namespace {

const QColor kDarkOrange(0xFF, 0x8C, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);

TextStyle strip(double points)
{
    TextStyle s;
    s.points = points;
    s.colour = Qt::white;
    s.background = kDarkOrange;
    s.alignment = Qt::AlignCenter;
    return s;
}

QString twoDigits(int row)
{
    return QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
}

} // namespace

QString labelName(int row)
{
    return QStringLiteral("titCampo") + twoDigits(row);
}

QString valueName(int row)
{
    return QStringLiteral("txtCampo") + twoDigits(row);
}

QImage logo()
{
    QSvgRenderer svg(QStringLiteral(":/reports/quadrivo.svg"));
    QSize size = svg.defaultSize().isValid() ? svg.defaultSize() : QSize(256, 256);
    size.scale(680, 520, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

ReportDesign design()
{
    ReportDesign d(QPageLayout::Portrait, 10);
    d.setDocumentInfo(QStringLiteral("Scheda informativa"), QStringLiteral("Scheda informativa"));
    d.addPicture(QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13), logo());
    d.addText(QStringLiteral("txtTitolo"), QRectF(23, 3, 165, 9), strip(16), QStringLiteral("Titolo Scheda"));
    d.addLine(QStringLiteral("linSepara01"), QPointF(23, 16), 165);

    TextStyle label;
    label.points = 9;
    label.colour = Qt::white;
    label.background = kTeal;
    TextStyle value;
    value.points = 10;
    for (int r = 1; r <= kRows; ++r) {
        const double top = 24 + 10 * (r - 1);
        const QString design = QStringLiteral("Campo %1").arg(r);
        d.addText(labelName(r), QRectF(3, top, 52, 6), label, design);
        d.addText(valueName(r), QRectF(60, top, 128, 6), value, design);
    }
    d.addLine(QStringLiteral("linSepara02"), QPointF(3, 265), 185);
    d.addText(QStringLiteral("txtCalce"), QRectF(3, 269, 185, 6), strip(10),
              QStringLiteral("Termine scheda"));
    return d;
}

QString footer(const QDateTime &now)
{
    return QStringLiteral("Stampa eseguita in data ") + now.date().toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" alle ore ") + now.time().toString(QStringLiteral("HH:mm:ss"));
}

void fill(ReportDesign &design, const QString &title, const QList<std::pair<QString, QString>> &rows,
          const QDateTime &now)
{
    design.setOrientation(QPageLayout::Portrait);
    design.setText(QStringLiteral("txtTitolo"), title);
    for (int r = 1; r <= kRows; ++r) {
        const auto row = r <= rows.size() ? rows.at(r - 1) : std::pair<QString, QString>();
        design.setText(labelName(r), row.first);
        design.setText(valueName(r), row.second);
    }
    design.setText(QStringLiteral("txtCalce"), footer(now));
}

} // namespace CardReport
