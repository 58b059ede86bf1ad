#include "QuoteWindowInput.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace QuoteWindowInput {
namespace {

// Any key but a bare modifier and the focus keys.
bool isUserKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return true;
    }
}

class UserEditWatcher : public QObject
{
public:
    UserEditWatcher(QLineEdit *edit, std::function<void()> stale) : QObject(edit), m_stale(std::move(stale))
    {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { m_stale(); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (isUserKey(key->key()))
                m_stale();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_stale;
};

class LeaveRule : public QObject
{
public:
    LeaveRule(QLineEdit *edit, QString (*rule)(const QString &)) : QObject(edit), m_edit(edit), m_rule(rule)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A context menu opening is not leaving the field.
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            const QString rewritten = m_rule(m_edit->text());
            if (rewritten != m_edit->text())
                m_edit->setText(rewritten);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit *m_edit;
    QString (*m_rule)(const QString &);
};

} // namespace

void onUserEdit(QLineEdit *edit, std::function<void()> stale)
{
    new UserEditWatcher(edit, std::move(stale));
}

void onLeave(QLineEdit *edit, QString (*rule)(const QString &))
{
    new LeaveRule(edit, rule);
}

} // namespace QuoteWindowInput
