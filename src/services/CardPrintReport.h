#pragma once

#include "CardPrintRows.h"
#include "reports/ReportItem.h"

#include <QDateTime>

namespace CardPrint {

// The card report of `card` (its controls' texts, as CardPrint::rowTexts reads them), prepared
// with the footer's date and time `now`.
PreparedReport prepare(const Layout &layout, const Record &card, const QDateTime &now);

} // namespace CardPrint
