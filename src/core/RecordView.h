#pragma once

#include "RecordLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A look at one stored record without decoding it: a scan tests criteria on the raw bytes of a
// field and decodes only the fields of the records it shows.
class RecordView
{
public:
    RecordView(const RecordLayout &layout, const char *bytes) : m_layout(&layout), m_bytes(bytes) {}

    const RecordLayout &layout() const { return *m_layout; }
    const char *bytes() const { return m_bytes; }

    // The field's Windows-1252 bytes as a control would show them: at most its capacity whatever
    // the length byte says, blanks and control characters trimmed from both ends.
    QByteArrayView raw(int field) const;
    // The field's text, decoded and trimmed (what TextField::load gives).
    QString text(int field) const;

    // A search criterion prepared once: its Windows-1252 bytes with A-Z folded to a-z. A text the
    // code page cannot hold can never occur in a field.
    class Needle
    {
    public:
        explicit Needle(QStringView criterion);
        bool impossible() const { return m_impossible; }
        const QByteArray &bytes() const { return m_bytes; }

    private:
        QByteArray m_bytes;
        bool m_impossible = false;
    };
    // The criterion occurs in the field, letters A-Z compared without regard to case.
    bool contains(int field, const Needle &needle) const;

private:
    const RecordLayout *m_layout;
    const char *m_bytes;
};
