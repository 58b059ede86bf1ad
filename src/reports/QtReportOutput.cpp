#include "QtReportOutput.h"

#include "PdfFile.h"
#include "ReportPainter.h"
#include "ReportPreview.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ReportPrinting {

void setUp(QPrinter &printer, const PreparedReport &report)
{
    // The paper's corner is the origin: the designs place everything from it, margins included.
    printer.setFullPage(true);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.title.isEmpty() ? QStringLiteral("Quadrivo") : report.title);
}

void printWithDialog(QWidget *parent, const PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, report);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, int(report.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printPages(printer, report);
}

void printPages(QPrinter &printer, const PreparedReport &report)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const int count = int(report.pages.size());
    int from = 1, to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    const double dotsPerMm = printer.resolution() / 25.4;
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        ReportPainter::paintPage(painter, report.pages.at(page - 1), dotsPerMm);
    }
    painter.end();
}

} // namespace ReportPrinting

void QtReportOutput::print(QWidget *parent, const PreparedReport &report)
{
    ReportPrinting::printWithDialog(parent, report);
}

void QtReportOutput::preview(QWidget *parent, const PreparedReport &report)
{
    ReportPreview window(report, parent);
    window.exec();
}

bool QtReportOutput::writePdf(const PreparedReport &report, const QString &path)
{
    return PdfFile::write(report, path);
}
