#pragma once

#include <QString>
#include <optional>

// The number New proposes for a quote, and the start number kept for it in the settings.
namespace QuoteNumbering {

// The start number plus the count of quotes already in the year file; an empty start counts as
// 1. With `annoSolare` reading "Sì" (exactly, blanks aside) the number is followed by "/" and
// `currentYear` in four digits (12/2024). Nullopt when `inizio` is not a whole number, which New
// reports as an archive failure.
std::optional<QString> propose(const QString &inizio, const QString &annoSolare, qint64 count,
                               int currentYear);

// TfrmNumerazione's txtInizio when the window opens: the stored start, "1" when there is none.
QString shownStart(const QString &inizio);

// txtInizio when it loses the focus: a whole number in its shortest form (007 -> 7, 0 stays 0);
// an empty or unreadable text becomes "1".
QString leaveStart(const QString &text);

} // namespace QuoteNumbering
