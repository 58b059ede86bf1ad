#include "ReportStyle.h"

#include <QFontMetricsF>
#include <QImage>

namespace ReportFonts {

namespace {

// Text is measured on a fine grid; unhinted outlines make the width exact at any resolution.
constexpr double kMeasureDpi = 1200.0;

const QImage &measureDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(kMeasureDpi / ReportUnits::kMmPerInch * 1000.0);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

QString installedFamily(const QString &designFamily)
{
    if (designFamily.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (designFamily.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (designFamily.compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans");
    return designFamily;
}

QFont font(const TextStyle &style)
{
    QFont f(installedFamily(style.family));
    f.setPointSizeF(style.points);
    f.setBold(style.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

double widthMm(const TextStyle &style, const QString &text)
{
    const QFontMetricsF metrics(font(style), &measureDevice());
    return metrics.horizontalAdvance(text) * ReportUnits::kMmPerInch / kMeasureDpi;
}

QString fitting(const TextStyle &style, const QString &text, double widthMm)
{
    if (ReportFonts::widthMm(style, text) <= widthMm)
        return text;
    // Binary search on the length: widths grow with every character added.
    qsizetype fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype mid = (fits + tooLong) / 2;
        if (ReportFonts::widthMm(style, text.left(mid)) <= widthMm)
            fits = mid;
        else
            tooLong = mid;
    }
    return text.left(fits);
}

} // namespace ReportFonts
