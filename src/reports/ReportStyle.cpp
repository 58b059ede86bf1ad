#include "ReportStyle.h"

#include <QFontMetricsF>
#include <QImage>
#include <memory>

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

// A list prints thousands of lines in one style: its metrics are made once, not per line.
const QFontMetricsF &metrics(const TextStyle &style)
{
    struct Cached
    {
        QString family;
        double points = 0;
        bool bold = false;
        std::unique_ptr<QFontMetricsF> metrics;
    };
    static Cached cached;
    if (!cached.metrics || cached.family != style.family || cached.points != style.points ||
        cached.bold != style.bold) {
        cached.family = style.family;
        cached.points = style.points;
        cached.bold = style.bold;
        cached.metrics = std::make_unique<QFontMetricsF>(font(style), &measureDevice());
    }
    return *cached.metrics;
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
    return metrics(style).horizontalAdvance(text) * ReportUnits::kMmPerInch / kMeasureDpi;
}

QString fitting(const TextStyle &style, const QString &text, double widthMm)
{
    const double whole = ReportFonts::widthMm(style, text);
    if (whole <= widthMm)
        return text;
    // Start from the proportional guess (exact for fixed-pitch lines), then step to the longest
    // start that fits: a few measures per line, however long the line.
    qsizetype n = qsizetype(text.size() * widthMm / whole);
    while (n > 0 && ReportFonts::widthMm(style, text.left(n)) > widthMm)
        --n;
    while (n < text.size() && ReportFonts::widthMm(style, text.left(n + 1)) <= widthMm)
        ++n;
    return text.left(n);
}

} // namespace ReportFonts
