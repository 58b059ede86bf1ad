#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

// Input behaviour of the quote window's own edits, beyond the card's key rules.
namespace QuoteWindowInput {

// Calls `stale` before every key the user presses in `edit` (a refused key included) and after
// any other change the user makes to its text (a paste from the context menu, a drop), so that
// amounts and totals computed from the old text never stay on view. Text set from code (a loaded
// quote, the calculation itself) calls nothing. Install it after the key filters and the Enter
// chain, so it sees the keys before they do.
void onUserEdit(QLineEdit *edit, std::function<void()> stale);

} // namespace QuoteWindowInput
