#pragma once

#include "ReportItem.h"

class QPainter;
class QPdfWriter;

// The one routine that draws a prepared page, for the PDF, the printer, the preview and the page
// thumbnails alike. The painter's device coordinates must hold `dotsPerMm` dots per millimetre
// from the top-left corner of the paper.
namespace ReportPainter {

void paintPage(QPainter &painter, const ReportPage &page, double dotsPerMm);
// Every page, a new device page between two (the painter must be open on `device`).
template <class Device>
void paintAll(QPainter &painter, Device &device, const PreparedReport &report, double dotsPerMm)
{
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, report.pages[i], dotsPerMm);
    }
}
// A page as a picture `widthPx` wide, on white (thumbnails, looking at pages in tests).
QImage pageImage(const PreparedReport &report, int page, int widthPx);

} // namespace ReportPainter
