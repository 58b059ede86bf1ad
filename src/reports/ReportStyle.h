#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// How a text object looks. Families are the names the designs use (Arial, Courier New, Verdana);
// ReportFonts turns them into the installed fonts with the same metrics.
struct TextStyle
{
    QString family = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;
    QColor colour = Qt::black;
    QColor background; // invalid: no background
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

namespace ReportFonts {

// The installed family standing in for a design's family: Arial -> Liberation Sans,
// Courier New -> Liberation Mono, Verdana -> DejaVu Sans; any other name is used as it is.
QString installedFamily(const QString &designFamily);
// The font of a style, unhinted so that its widths scale exactly with the resolution: what is
// measured here is what the PDF, the printer and the preview show.
QFont font(const TextStyle &style);
// The advance of `text` in millimetres.
double widthMm(const TextStyle &style, const QString &text);
// The longest start of `text` that fits `widthMm`.
QString fitting(const TextStyle &style, const QString &text, double widthMm);

} // namespace ReportFonts

// Lengths: designs are in millimetres; some measures come in report units, screen pixels at 96 per
// inch.
namespace ReportUnits {
inline constexpr double kMmPerInch = 25.4;
inline constexpr double fromUnits(double units)
{
    return units * kMmPerInch / 96.0;
}
} // namespace ReportUnits
