#pragma once

#include <QString>
#include <functional>

class QFocusEvent;
class QLineEdit;
class QWidget;

// Rewrites a field's text when the user leaves the field, in every card and dialog alike.
//
// Leaving means the focus goes to another control of the same window: Tab, Enter, a click on
// another field, the program moving it. The focus going to a popup (a context menu, a list), to a
// message box or to another window is not leaving: the user comes back to the field as it was.
// Picture buttons take no focus, so a button that works on the fields settles the focused one
// first, as leaving it by a click would.
namespace LeaveRule {

using Rewrite = std::function<QString(const QString &)>;

bool leaves(const QFocusEvent &event);

// `edit` holds the text; `focusTarget` is the control that takes the focus (a combo for its line
// edit), `edit` itself when null. Several rules on one field run in the order installed.
void install(QLineEdit *edit, Rewrite rewrite, QWidget *focusTarget = nullptr);

// Applies the rules of the field that has the focus in `window`, if any.
void settle(QWidget *window);

} // namespace LeaveRule
