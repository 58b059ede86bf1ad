#pragma once

#include "platform/Platform.h"

class QPrinter;

// The real report outputs: the system's print dialog and printers, the preview window, PDF files.
class QtReportOutput : public ReportOutput
{
public:
    void print(QWidget *parent, const PreparedReport &report) override;
    void preview(QWidget *parent, const PreparedReport &report) override;
    bool writePdf(const PreparedReport &report, const QString &path) override;
};

namespace ReportPrinting {

// A printer on the default printer, set for the report's paper and orientation.
void setUp(QPrinter &printer, const PreparedReport &report);
// The print dialog, then the pages; nothing when the user cancels.
void printWithDialog(QWidget *parent, const PreparedReport &report);
// The pages the printer's range asks for (all when none is set).
void printPages(QPrinter &printer, const PreparedReport &report);

} // namespace ReportPrinting
