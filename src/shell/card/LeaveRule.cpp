#include "LeaveRule.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

// Lives as a child of the control that takes the focus, so settle() finds it there.
class LeaveWatcher : public QObject
{
    Q_OBJECT
public:
    LeaveWatcher(QLineEdit *edit, LeaveRule::Rewrite rewrite, QWidget *focusTarget)
        : QObject(focusTarget), m_edit(edit), m_rewrite(std::move(rewrite))
    {
        focusTarget->installEventFilter(this);
    }

    void apply()
    {
        // A field being destroyed loses the focus while it is already no more than a QWidget:
        // qobject_cast sees that, where a cast of the guarded pointer would not.
        auto *edit = qobject_cast<QLineEdit *>(m_edit.data());
        if (!edit)
            return;
        const QString after = m_rewrite(edit->text());
        if (after != edit->text())
            edit->setText(after);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::FocusOut &&
            LeaveRule::leaves(*static_cast<QFocusEvent *>(event)))
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QObject> m_edit;
    LeaveRule::Rewrite m_rewrite;
};

} // namespace

namespace LeaveRule {

bool leaves(const QFocusEvent &event)
{
    switch (event.reason()) {
    case Qt::PopupFocusReason:        // a context menu or a list opened over the field
    case Qt::ActiveWindowFocusReason: // a message box, a dialog or another program came up
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

void install(QLineEdit *edit, Rewrite rewrite, QWidget *focusTarget)
{
    new LeaveWatcher(edit, std::move(rewrite), focusTarget ? focusTarget : edit);
}

void settle(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused || focused->window() != window->window())
        focused = window->window()->focusWidget();
    // A combo's line edit has the focus proxy's watcher on the combo.
    for (QWidget *w = focused; w && w != window->window(); w = w->parentWidget()) {
        const auto watchers = w->findChildren<LeaveWatcher *>(Qt::FindDirectChildrenOnly);
        if (!watchers.isEmpty()) {
            for (LeaveWatcher *watcher : watchers)
                watcher->apply();
            return;
        }
    }
}

} // namespace LeaveRule

#include "LeaveRule.moc"
