#pragma once

#include "CardTypes.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

// Applies a field's text rules: after each change of its text, typed, pasted or set by the program
// (a loaded record), and when the user leaves the field (LeaveRule).
class TextRuleWatcher : public QObject
{
    Q_OBJECT
public:
    // `edit` holds the text (a combo's line edit for a combo); `focusTarget` is the widget that
    // takes the focus (the combo itself for a combo).
    TextRuleWatcher(QLineEdit *edit, QWidget *focusTarget, TextRules rules, QObject *parent);

    static QString rewrite(QStringView text, bool trim, bool upper);

private:
    void apply(bool trim, bool upper);

    QPointer<QLineEdit> m_edit;
    TextRules m_rules;
};
