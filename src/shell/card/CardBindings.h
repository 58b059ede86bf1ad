#pragma once

#include "CardTypes.h"

#include <vector>

class QWidget;
class Record;
class RecordLayout;

// The binding table of a card: which control edits which record field, and how. It moves texts
// between the controls and a record buffer; it never touches a file.
//
// Supported controls: QLineEdit, QComboBox (its edit text, or its current item when it is not
// editable), QCheckBox (a yes/no flag: "Sì" / "No") and QLabel (hidden fields that other windows
// fill, computed amounts).
class CardBindings
{
public:
    struct Binding
    {
        int field;
        QWidget *widget;
        FieldOptions options;
    };

    explicit CardBindings(const RecordLayout &layout) : m_layout(&layout) {}

    void add(int field, QWidget *widget, const FieldOptions &options);
    const std::vector<Binding> &all() const { return m_bindings; }
    QWidget *widget(int field) const; // nullptr when the field has no control

    // Controls -> record: every bound field takes its control's text (or flag); the stored form
    // (trimmed, converted, cut) is the record codec's job.
    void fill(Record &record) const;
    // Record -> controls. A flag that reads neither "Sì" nor "No" leaves its check box alone.
    void load(const Record &record) const;
    // New: defaults or empty texts, flags cleared, list selections cleared.
    void clear() const;
    // Duplicate: only the fields marked clearOnDuplicate.
    void clearForDuplicate() const;

    // The text a control holds, as stored ("Sì"/"No" for a check box).
    static QString text(const QWidget *widget);
    static void setText(QWidget *widget, const QString &text);

private:
    static void reset(const Binding &binding);

    const RecordLayout *m_layout;
    std::vector<Binding> m_bindings;
};
