#include "QuoteWindowInput.h"

#include <QEvent>
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

} // namespace

void onUserEdit(QLineEdit *edit, std::function<void()> stale)
{
    new UserEditWatcher(edit, std::move(stale));
}

} // namespace QuoteWindowInput
