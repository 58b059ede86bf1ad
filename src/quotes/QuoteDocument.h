#pragma once

#include "reports/ReportDesign.h"

class Record;

// The quote document: one A4 page with the logo, the issuer's and the customer's data, the thirty
// lines, the totals and the transport data. It is filled from the texts the quote window shows
// (one per quote field, as a Record of the quote layout), never recalculated.
namespace QuoteDocument {

// The box behind number and date is coloured on paper and on screen, left white in the PDF.
enum class Output { Paper, Pdf };

inline constexpr int kRows = 30;

ReportDesign design(Output output);
// "txtQuant07", "txtImporto30": the document's row objects, named as the window's controls.
QString rowName(const char *column, int row);
// Puts the logo and every text of the quote into the design.
void fill(ReportDesign &design, const Record &shown, const QImage &logo);
// The design filled and prepared, with today's date (the page holds no date field of its own).
PreparedReport prepare(const Record &shown, const QImage &logo, Output output);

QString pdfFileName();

} // namespace QuoteDocument
