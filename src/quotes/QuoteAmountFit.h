#pragma once

#include "QuoteTotals.h"

#include <optional>

// Whether the amounts a calculation produced fit their stored fields. A computed text longer than
// its field would be stored cut ("12199999,99" as "12199999,9"), so the quote is not saved.
namespace QuoteAmountFit {

struct Overflow
{
    int line = 0;   // 1-based line whose amount does not fit; 0 for a total
    int total = -1; // 0..4 in the order imponibile, imposta, IVA inclusa, esente, preventivo
    QString text;   // the amount as shown
    QString warning;
};

// The first amount that does not fit: the lines in order, then the totals.
std::optional<Overflow> firstOverflow(const QuoteTotals::Figures &figures);

} // namespace QuoteAmountFit
