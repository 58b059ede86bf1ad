#pragma once

#include "RecordLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The decoded texts of one record. encode() gives exactly recordSize() bytes with unused bytes
// zero; decode() never reads past a field's capacity, whatever its length byte says.
class Record
{
public:
    explicit Record(const RecordLayout &layout);

    const RecordLayout &layout() const { return *m_layout; }
    const QString &text(int field) const { return m_texts[field]; }
    void setText(int field, const QString &text) { m_texts[field] = text; }
    const QStringList &texts() const { return m_texts; }

    // Yes/no flags: "Sì" / "No".
    static QString flagText(bool on);
    // 1 for "Sì", 0 for "No", -1 for anything else (which leaves a check box as it was).
    static int flagState(const QString &text);

    QByteArray encode() const;
    // `bytes` must hold at least recordSize() bytes.
    static Record decode(const RecordLayout &layout, const char *bytes);
    static Record decode(const RecordLayout &layout, const QByteArray &bytes);

private:
    const RecordLayout *m_layout;
    QStringList m_texts;
};
