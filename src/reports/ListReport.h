#pragma once

#include "ReportItem.h"

#include <QDate>
#include <QStringList>

class QWidget;

// The list report every list window prints: A4 landscape, a title strip, the lines in a
// fixed-pitch font (Courier New 8 points, 12.822 report units apart, continued over as many pages
// as they need) and a closing strip "Stampa eseguita in data dd/mm/yyyy" after the last line.
//
//   ListReport::print(this, QStringLiteral("Riepilogo clienti"), lines);
//   ListReport::print(this, title, lines, {QString(26, u'-'), QStringLiteral("VALORE TOTALE: € 10,00")});
//
// `closingLines` follow the lines in the same font (a total under the list).
namespace ListReport {

PreparedReport prepare(const QString &title, const QStringList &lines, const QStringList &closingLines,
                       const QDate &today);
// Prepares with today's date from the clock and prints through the print dialog.
void print(QWidget *parent, const QString &title, const QStringList &lines,
           const QStringList &closingLines = {});

} // namespace ListReport
