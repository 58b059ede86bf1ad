#include "RecordView.h"

#include "ListText.h"
#include "Trimming.h"
#include "Win1252.h"

#include <algorithm>

QByteArrayView RecordView::raw(int field) const
{
    const char *f = m_bytes + m_layout->offset(field);
    int length = static_cast<unsigned char>(f[0]);
    length = std::min(length, m_layout->capacity(field));
    return Trimming::trimmed(QByteArrayView(f + 1, length));
}

QString RecordView::text(int field) const
{
    const QByteArrayView r = raw(field);
    return Win1252::decode(r.data(), r.size());
}

RecordView::Needle::Needle(QStringView criterion)
{
    m_impossible = !Win1252::canEncode(criterion);
    m_bytes = Win1252::encode(criterion);
    for (char &c : m_bytes)
        c = ListText::lowerAZ(c);
}

bool RecordView::contains(int field, const Needle &needle) const
{
    if (needle.impossible())
        return false;
    const QByteArrayView hay = raw(field);
    const QByteArray &n = needle.bytes();
    if (n.isEmpty())
        return true;
    if (n.size() > hay.size())
        return false;
    const char first = n[0];
    const char firstUpper = ListText::upperAZ(first);
    const qsizetype last = hay.size() - n.size();
    for (qsizetype i = 0; i <= last; ++i) {
        const char c = hay[i];
        if (c != first && c != firstUpper)
            continue;
        qsizetype j = 1;
        while (j < n.size() && ListText::lowerAZ(hay[i + j]) == n[j])
            ++j;
        if (j == n.size())
            return true;
    }
    return false;
}
