#pragma once

#include "platform/Platform.h"

#include <QFlags>
#include <QString>
#include <functional>

// What a typed key may put into a field. Only typed keys are filtered: pasted text, text loaded
// from a record and text set by another window pass unchanged.
enum class KeyRule {
    Free,
    Digits,              // 0-9 (Backspace, Delete, arrows and shortcuts still work)
    DigitsComma,         // 0-9 and the comma: amounts and quantities
    Restricted,          // no & / < > £ ° and no À-Ü / à-ü accented letters of the Italian keyboard
    RestrictedAmpersand, // the same set, but "&" allowed (company names)
    NoTyping,            // nothing that edits the text: the value is picked from the list
};

// Rewrites of a field's text after the user changes it (typing, pasting) or when it loses the focus.
// Upper-casing turns only a-z into A-Z; trimming removes characters with codes up to 32.
enum class TextRule {
    UpperOnChange = 0x1,
    TrimOnChange = 0x2,
    UpperOnLeave = 0x4,
    TrimOnLeave = 0x8,
};
Q_DECLARE_FLAGS(TextRules, TextRule)
Q_DECLARE_OPERATORS_FOR_FLAGS(TextRules)

namespace TextRuleSets {
inline constexpr TextRules None{};
inline constexpr TextRules Upper{TextRule::UpperOnChange};
inline constexpr TextRules Trim{TextRule::TrimOnChange};
inline constexpr TextRules TrimAlsoOnLeave = TextRule::TrimOnChange | TextRule::TrimOnLeave;
inline constexpr TextRules TrimUpper = TextRule::TrimOnChange | TextRule::UpperOnChange;
inline constexpr TextRules TrimUpperAlsoOnLeave =
    TextRule::TrimOnChange | TextRule::UpperOnChange | TextRule::TrimOnLeave | TextRule::UpperOnLeave;
} // namespace TextRuleSets

// How one control edits one record field:
//   {KeyRule::Restricted, TextRuleSets::TrimUpper}
//   FieldOptions().withDefault(QStringLiteral("0,00"))
//   FieldOptions().clearedOnDuplicate()
//   FieldOptions(KeyRule::Digits).rewrittenOnLeave(ItemFigures::leaveInteger)
struct FieldOptions
{
    FieldOptions(KeyRule keyRule = KeyRule::Free, TextRules textRules = {}) : keys(keyRule), text(textRules)
    {
    }

    KeyRule keys;
    TextRules text;
    QString defaultText;           // what New puts in the field ("0,00" for an amount)
    bool clearOnDuplicate = false; // Duplicate empties it (attachments, the item's folder)
    bool keepOnNew = false;        // New leaves it alone (the quote's issuer panel)
    bool inEnterChain = true;      // edits and combos only; check boxes never are
    // Rewrites the text when the user leaves the field (LeaveRule), after the text rules.
    std::function<QString(const QString &)> onLeave;

    FieldOptions withDefault(const QString &text) const
    {
        auto o = *this;
        o.defaultText = text;
        return o;
    }
    FieldOptions clearedOnDuplicate() const
    {
        auto o = *this;
        o.clearOnDuplicate = true;
        return o;
    }
    FieldOptions keptOnNew() const
    {
        auto o = *this;
        o.keepOnNew = true;
        return o;
    }
    FieldOptions rewrittenOnLeave(std::function<QString(const QString &)> rewrite) const
    {
        auto o = *this;
        o.onLeave = std::move(rewrite);
        return o;
    }
    FieldOptions outOfEnterChain() const
    {
        auto o = *this;
        o.inEnterChain = false;
        return o;
    }
};

// The operations whose file failure shows the archive-access message.
enum class CardOp { First, Previous, Next, Last, Duplicate, Save, New };

// The kind of the archive-access message, per operation: fixed for each window.
struct AccessMessageKinds
{
    MessageKind first = MessageKind::Error;
    MessageKind previous = MessageKind::Error;
    MessageKind next = MessageKind::Error;
    MessageKind last = MessageKind::Error;
    MessageKind duplicate = MessageKind::Error;
    MessageKind save = MessageKind::Error;
    MessageKind newCard = MessageKind::Error;

    static AccessMessageKinds all(MessageKind kind) { return {kind, kind, kind, kind, kind, kind, kind}; }
    MessageKind of(CardOp op) const;
};
