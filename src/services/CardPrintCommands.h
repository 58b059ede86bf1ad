#pragma once

#include "CardPrintRows.h"

class CardWindow;
class Record;

// The print, preview and PDF commands of a card: the card report is filled from what the card
// shows at that moment, saved or not.
namespace CardPrint {

// The texts of the card's controls, field by field (check boxes as "Sì"/"No").
Record shownCard(const CardWindow &card);

void print(CardWindow &card, const Layout &layout);
void preview(CardWindow &card, const Layout &layout);
// Writes the layout's PDF file in the program folder and offers to open it.
void exportPdf(CardWindow &card, const Layout &layout);

QString pdfSuccessQuestion();
QString pdfFailureWarning();

// Registers the print, preview and PDF commands of the four cards that print.
void registerServices();

} // namespace CardPrint
