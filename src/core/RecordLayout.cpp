#include "RecordLayout.h"

RecordLayout::RecordLayout(QString typeName, std::vector<FieldSpec> fields)
    : m_typeName(std::move(typeName)), m_fields(std::move(fields))
{
    m_offsets.reserve(m_fields.size());
    for (const FieldSpec &f : m_fields) {
        m_offsets.push_back(m_size);
        m_size += f.capacity + 1;
    }
}

int RecordLayout::indexOf(QStringView name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == name)
            return int(i);
    }
    return -1;
}

QStringList RecordLayout::names() const
{
    QStringList out;
    out.reserve(fieldCount());
    for (const FieldSpec &f : m_fields)
        out << f.name;
    return out;
}
