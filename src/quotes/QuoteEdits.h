#pragma once

#include <QString>

// What the quote window's numeric edits show once they lose the focus.
namespace QuoteEdits {

// txtQuantNN, txtPercScontoNN and txtPercIva: a blank text stays as it is, a number keeps four
// decimals in the shortest form (2,50 -> 2,5; 1,23456 -> 1,2346), anything else is emptied.
QString leaveDecimal(const QString &text);

// txtPrezzoNN: a blank text is emptied, a number keeps four decimals and shows at least two
// (7 -> 7,00; 12,345 stays), anything else becomes "0,00".
QString leavePrice(const QString &text);

} // namespace QuoteEdits
