#include "ListLines.h"

#include "ListText.h"
#include "Win1252.h"

#include <algorithm>

namespace ListText {

namespace {

// The first eight bytes in the list order, most significant first: most comparisons end here.
quint64 prefixOf(QByteArrayView line)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < line.size() ? static_cast<unsigned char>(upperAZ(line[i])) : 0u);
    return prefix;
}

} // namespace

QByteArrayView Lines::bytes(qsizetype i) const
{
    const Entry &e = m_lines[size_t(i)];
    return QByteArrayView(m_text.constData() + e.begin, e.length);
}

QString Lines::text(qsizetype i) const
{
    const QByteArrayView b = bytes(i);
    return Win1252::decode(b.data(), b.size());
}

QStringList Lines::texts() const
{
    QStringList out;
    out.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        out << text(i);
    return out;
}

void Lines::add(qint64 position, QStringView text)
{
    m_text.truncate(m_lineStart);
    m_text.append(Win1252::encode(text));
    endLine(position);
}

void Lines::fit(qsizetype from, int width)
{
    const qsizetype start = m_lineStart + from;
    const qsizetype length = m_text.size() - start;
    if (length > width)
        m_text.truncate(start + width);
    else if (length < width)
        m_text.append(width - length, ' ');
}

void Lines::endLine(qint64 position)
{
    m_lines.push_back({position, m_lineStart, m_text.size() - m_lineStart});
    m_lineStart = m_text.size();
}

void Lines::sort()
{
    struct Key
    {
        quint64 prefix;
        size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(m_lines.size());
    for (size_t i = 0; i < m_lines.size(); ++i)
        keys.push_back({prefixOf(bytes(qsizetype(i))), i});
    std::sort(keys.begin(), keys.end(), [this](const Key &a, const Key &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const int c = compareListOrder(bytes(qsizetype(a.index)), bytes(qsizetype(b.index)));
        return c != 0 ? c < 0 : a.index < b.index;
    });
    std::vector<Entry> sorted;
    sorted.reserve(m_lines.size());
    for (const Key &k : keys)
        sorted.push_back(m_lines[k.index]);
    m_lines = std::move(sorted);
}

} // namespace ListText
