#include "ListReport.h"

#include "ReportDesign.h"
#include "platform/Platform.h"

namespace ListReport {

namespace {

const QColor kSlateGrey(0x70, 0x80, 0x90);
constexpr double kWidthMm = 297 - 2 * 10;

TextStyle strip(double points)
{
    TextStyle s;
    s.family = QStringLiteral("Verdana");
    s.points = points;
    s.bold = true;
    s.colour = Qt::white;
    s.background = kSlateGrey;
    s.alignment = Qt::AlignCenter;
    return s;
}

ReportDesign design()
{
    ReportDesign d(QPageLayout::Landscape, 10);
    d.addText(QStringLiteral("txtTitolo"), QRectF(0, 0, kWidthMm, 6.5), strip(9), QStringLiteral("Riepilogo"),
              ReportDesign::Band::Title);
    d.setBandHeight(ReportDesign::Band::Title, 9);

    TextStyle mono;
    mono.family = QStringLiteral("Courier New");
    mono.points = 8;
    d.addDataBand(QStringLiteral("txtRiepilogo"), mono, ReportUnits::fromUnits(12.822),
                  ReportUnits::fromUnits(10));

    d.addText(QStringLiteral("txtPagina"), QRectF(0, 1.5, kWidthMm, 6), strip(8),
              QStringLiteral("Stampa eseguita in data [DATE]"), ReportDesign::Band::Closing);
    d.setBandHeight(ReportDesign::Band::Closing, 7.5);
    return d;
}

} // namespace

PreparedReport prepare(const QString &title, const QStringList &lines, const QStringList &closingLines,
                       const QDate &today)
{
    ReportDesign d = design();
    d.setDocumentInfo(title, title);
    d.setText(QStringLiteral("txtTitolo"), title);
    d.setLines(QStringLiteral("txtRiepilogo"), lines + closingLines);
    return d.prepare(today);
}

void print(QWidget *parent, const QString &title, const QStringList &lines, const QStringList &closingLines)
{
    env().reports->print(parent, prepare(title, lines, closingLines, env().clock->now().date()));
}

} // namespace ListReport
