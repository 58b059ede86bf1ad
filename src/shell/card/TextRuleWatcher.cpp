#include "TextRuleWatcher.h"

#include "LeaveRule.h"
#include "core/TextField.h"

#include <QLineEdit>

TextRuleWatcher::TextRuleWatcher(QLineEdit *edit, QWidget *focusTarget, TextRules rules, QObject *parent)
    : QObject(parent), m_edit(edit), m_rules(rules)
{
    // Every change, typed or set by the program (a loaded record), so what the card shows is
    // what Save stores.
    if (rules & (TextRule::TrimOnChange | TextRule::UpperOnChange)) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            apply(m_rules.testFlag(TextRule::TrimOnChange), m_rules.testFlag(TextRule::UpperOnChange));
        });
    }
    if (rules & (TextRule::TrimOnLeave | TextRule::UpperOnLeave)) {
        const bool trim = rules.testFlag(TextRule::TrimOnLeave);
        const bool upper = rules.testFlag(TextRule::UpperOnLeave);
        LeaveRule::install(
            edit, [trim, upper](const QString &text) { return rewrite(text, trim, upper); }, focusTarget);
    }
}

QString TextRuleWatcher::rewrite(QStringView text, bool trim, bool upper)
{
    QString out = trim ? TextField::trim(text) : text.toString();
    if (upper) {
        // Only a-z: other letters (accented ones included) stay as typed.
        for (QChar &c : out) {
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return out;
}

void TextRuleWatcher::apply(bool trim, bool upper)
{
    if (!m_edit)
        return;
    const QString before = m_edit->text();
    const QString after = rewrite(before, trim, upper);
    if (after == before)
        return;
    // Keep the cursor where the user was typing, shifted by what trimming removed in front.
    qsizetype leading = 0;
    if (trim) {
        while (leading < before.size() && before.at(leading).unicode() <= 32)
            ++leading;
    }
    const qsizetype cursor = qBound<qsizetype>(0, m_edit->cursorPosition() - leading, after.size());
    m_edit->setText(after);
    m_edit->setCursorPosition(int(cursor));
}
