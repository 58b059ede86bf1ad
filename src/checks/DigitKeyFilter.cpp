#include "DigitKeyFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Keys that type something printable must type a digit; control characters (Ctrl+C,
        // Ctrl+V, Backspace...) and keys without text (arrows, Delete) go through.
        const QString text = static_cast<QKeyEvent *>(event)->text();
        for (QChar c : text) {
            if (c.isPrint() && !isDigit(c))
                return true;
        }
    } else if (event->type() == QEvent::InputMethod) {
        // Composed characters (dead keys, input methods) arrive here instead of as key presses.
        auto *input = static_cast<QInputMethodEvent *>(event);
        QString digits;
        for (QChar c : input->commitString()) {
            if (isDigit(c))
                digits.append(c);
        }
        if (digits != input->commitString())
            input->setCommitString(digits, input->replacementStart(), input->replacementLength());
    }
    return QObject::eventFilter(watched, event);
}
