#include "KeyFilters.h"

#include "core/Win1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

MessageKind AccessMessageKinds::of(CardOp op) const
{
    switch (op) {
    case CardOp::First:
        return first;
    case CardOp::Previous:
        return previous;
    case CardOp::Next:
        return next;
    case CardOp::Last:
        return last;
    case CardOp::Duplicate:
        return duplicate;
    case CardOp::Save:
        return save;
    case CardOp::New:
        return newCard;
    }
    return MessageKind::Error;
}

KeyFilter *KeyFilter::create(KeyRule rule, QObject *parent)
{
    switch (rule) {
    case KeyRule::Free:
        return new StorableTextFilter(parent);
    case KeyRule::Digits:
        return new DigitsOnlyFilter(parent);
    case KeyRule::DigitsComma:
        return new DigitsCommaFilter(parent);
    case KeyRule::Restricted:
        return new RestrictedTextFilter(parent);
    case KeyRule::RestrictedAmpersand:
        return new RestrictedTextAmpersandFilter(parent);
    case KeyRule::NoTyping:
        return new NoTypingFilter(parent);
    }
    return nullptr;
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    QString typed;
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false; // shortcuts: paste, copy, undo...
        typed = key->text();
    } else if (event->type() == QEvent::InputMethod) {
        typed = static_cast<QInputMethodEvent *>(event)->commitString(); // composed letters
    } else {
        return QObject::eventFilter(watched, event);
    }
    // A character the archive cannot hold is refused in every field, whatever its rule.
    if (!Win1252::canEncode(typed))
        return true;
    for (const QChar c : typed) {
        if (c.isPrint() && !accepts(c))
            return true;
    }
    return false;
}

bool DigitsOnlyFilter::accepts(QChar c) const
{
    return c >= u'0' && c <= u'9';
}

bool DigitsCommaFilter::accepts(QChar c) const
{
    return (c >= u'0' && c <= u'9') || c == u',';
}

bool RestrictedTextFilter::isRestricted(QChar c)
{
    static const QString set =
        QStringLiteral("&/<>\u00A3\u00B0"
                       "\u00C0\u00C1\u00C2\u00C4\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D1"
                       "\u00D2\u00D3\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC"
                       "\u00E0\u00E1\u00E2\u00E4\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF\u00F1"
                       "\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC");
    return set.contains(c);
}

bool RestrictedTextFilter::accepts(QChar c) const
{
    return !isRestricted(c);
}

bool RestrictedTextAmpersandFilter::accepts(QChar c) const
{
    return c == u'&' || !isRestricted(c);
}

bool NoTypingFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Only keys that move (through the list or to another field) get through.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_F4:
            return false;
        default:
            return true;
        }
    }
    return KeyFilter::eventFilter(watched, event);
}
