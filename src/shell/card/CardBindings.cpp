#include "CardBindings.h"

#include "core/Record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void CardBindings::add(int field, QWidget *widget, const FieldOptions &options)
{
    // A card built wrongly would silently save a field from the wrong control: stop at once, in
    // every build.
    if (field < 0 || field >= m_layout->fieldCount())
        qFatal("CardBindings: field %d is not a field of %s", field, qPrintable(m_layout->typeName()));
    if (this->widget(field))
        qFatal("CardBindings: field %s of %s bound twice", qPrintable(m_layout->name(field)),
               qPrintable(m_layout->typeName()));
    m_bindings.push_back({field, widget, options});
}

QWidget *CardBindings::widget(int field) const
{
    for (const Binding &b : m_bindings) {
        if (b.field == field)
            return b.widget;
    }
    return nullptr;
}

QString CardBindings::text(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText();
    if (const auto *check = qobject_cast<const QCheckBox *>(widget))
        return Record::flagText(check->isChecked());
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    qFatal("CardBindings::text: unsupported control %s", qPrintable(widget->objectName()));
}

void CardBindings::setText(QWidget *widget, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        const int state = Record::flagState(text);
        if (state >= 0)
            check->setChecked(state == 1);
    } else if (auto *label = qobject_cast<QLabel *>(widget)) {
        label->setText(text);
    } else {
        qFatal("CardBindings::setText: unsupported control %s", qPrintable(widget->objectName()));
    }
}

void CardBindings::fill(Record &record) const
{
    for (const Binding &b : m_bindings)
        record.setText(b.field, text(b.widget));
}

void CardBindings::load(const Record &record) const
{
    for (const Binding &b : m_bindings)
        setText(b.widget, record.text(b.field));
}

void CardBindings::reset(const Binding &binding)
{
    if (auto *check = qobject_cast<QCheckBox *>(binding.widget)) {
        check->setChecked(false);
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(binding.widget)) {
        combo->setCurrentIndex(-1); // clears the list selection (and an editable combo's text)
        if (combo->isEditable())
            combo->setEditText(binding.options.defaultText);
        else if (!binding.options.defaultText.isEmpty())
            combo->setCurrentIndex(combo->findText(binding.options.defaultText));
        return;
    }
    setText(binding.widget, binding.options.defaultText);
}

void CardBindings::clear() const
{
    for (const Binding &b : m_bindings) {
        if (!b.options.keepOnNew)
            reset(b);
    }
}

void CardBindings::clearForDuplicate() const
{
    for (const Binding &b : m_bindings) {
        if (b.options.clearOnDuplicate)
            reset(b);
    }
}
