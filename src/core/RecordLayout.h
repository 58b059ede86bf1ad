#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <vector>

// The fields of one record type, in order, with their capacities. Offsets and the record size
// follow from the table, so a layout is written once and drives the codec, the card bindings,
// the exports and the tool.
class RecordLayout
{
public:
    struct FieldSpec
    {
        QString name;
        int capacity; // N of Text(N)
    };

    RecordLayout(QString typeName, std::vector<FieldSpec> fields);

    const QString &typeName() const { return m_typeName; }
    int fieldCount() const { return int(m_fields.size()); }
    int recordSize() const { return m_size; }

    const QString &name(int field) const { return m_fields[size_t(field)].name; }
    int capacity(int field) const { return m_fields[size_t(field)].capacity; }
    int offset(int field) const { return m_offsets[size_t(field)]; }

    // -1 when the layout has no field of that name (case-sensitive).
    int indexOf(QStringView name) const;
    QStringList names() const;

private:
    QString m_typeName;
    std::vector<FieldSpec> m_fields;
    std::vector<int> m_offsets;
    int m_size = 0;
};
