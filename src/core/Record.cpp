#include "Record.h"

#include "TextField.h"

#include <QtGlobal>

Record::Record(const RecordLayout &layout) : m_layout(&layout)
{
    m_texts.resize(layout.fieldCount());
}

QString Record::flagText(bool on)
{
    return on ? QStringLiteral("S\u00EC") : QStringLiteral("No");
}

int Record::flagState(const QString &text)
{
    const QString t = TextField::trim(text);
    if (t == QStringLiteral("S\u00EC"))
        return 1;
    if (t == QStringLiteral("No"))
        return 0;
    return -1;
}

QByteArray Record::encode() const
{
    QByteArray out(m_layout->recordSize(), '\0');
    for (int i = 0; i < m_layout->fieldCount(); ++i)
        TextField::store(out.data() + m_layout->offset(i), m_layout->capacity(i), m_texts[i]);
    return out;
}

Record Record::decode(const RecordLayout &layout, const char *bytes)
{
    Record r(layout);
    for (int i = 0; i < layout.fieldCount(); ++i)
        r.m_texts[i] = TextField::load(bytes + layout.offset(i), layout.capacity(i));
    return r;
}

Record Record::decode(const RecordLayout &layout, const QByteArray &bytes)
{
    Q_ASSERT(bytes.size() >= layout.recordSize());
    return decode(layout, bytes.constData());
}
