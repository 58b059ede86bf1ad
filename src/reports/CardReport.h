#pragma once

#include "ReportDesign.h"

#include <QDateTime>
#include <utility>

// repScheda: the one-page card of a customer, supplier, item or deadline. A4 portrait, a title
// strip beside the program's picture, 24 rows of label and value, and a dated footer strip.
namespace CardReport {

inline constexpr int kRows = 24;

ReportDesign design();
// "titCampo07", "txtCampo07".
QString labelName(int row);
QString valueName(int row);
// "Stampa eseguita in data 05/03/2024 alle ore 10:30:00".
QString footer(const QDateTime &now);
// Fills the title, the rows (at most kRows; missing ones stay empty) and the footer.
void fill(ReportDesign &design, const QString &title, const QList<std::pair<QString, QString>> &rows,
          const QDateTime &now);
// The program's own picture, drawn for the top-left corner of the card.
QImage logo();

} // namespace CardReport
