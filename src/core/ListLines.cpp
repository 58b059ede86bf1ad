#include "ListLines.h"

#include "ListText.h"
#include "Win1252.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace ListText {

namespace {

// A line's place in the sort at some depth: the next eight bytes in the list order (folded, most
// significant first, zeros past the end) and how many of them the line really has.
struct Key
{
    quint64 word;
    quint32 index;
    quint32 held; // 0..8
    bool operator<(const Key &other) const
    {
        if (word != other.word)
            return word < other.word;
        if (held != other.held)
            return held < other.held; // equal so far: the line that ends first comes first
        return index < other.index;   // equal lines: the order they were added
    }
};

// Eight bytes at once with a-z turned into A-Z: a byte of 0x61-0x7A loses its 0x20 bit.
quint64 upperAZ8(quint64 x)
{
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    const quint64 low7 = x & ~highs;
    const quint64 fromA = low7 + (0x80 - 'a') * ones;     // high bit: the byte is at least 'a'
    const quint64 pastZ = low7 + (0x80 - 'z' - 1) * ones; // high bit: the byte is past 'z'
    const quint64 lower = fromA & ~pastZ & ~x & highs;
    return x - (lower >> 2);
}

Key keyAt(QByteArrayView line, qsizetype depth, quint32 index)
{
    const qsizetype held = std::clamp<qsizetype>(line.size() - depth, 0, 8);
    unsigned char bytes[8] = {};
    std::memcpy(bytes, line.data() + depth, size_t(held));
    quint64 word;
    std::memcpy(&word, bytes, 8);
    // Most significant first, so that comparing words compares the bytes in order.
    return {qFromBigEndian(upperAZ8(word)), index, quint32(held)};
}

} // namespace

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

void Lines::takeFrom(Lines &other)
{
    const qsizetype shift = m_lineStart;
    const qsizetype needed = m_lineStart + other.m_lineStart;
    // Grown by reserving, which reallocates in place where it can: appending alone would copy
    // the whole text into fresh memory at every doubling.
    if (needed > m_text.capacity())
        m_text.reserve(std::max(needed, 2 * m_text.capacity()));
    m_text.truncate(m_lineStart);
    m_text.append(QByteArrayView(other.m_text.constData(), other.m_lineStart));
    for (const Entry &e : other.m_lines)
        m_lines.push_back({e.position, e.begin + shift, e.length});
    m_lineStart = m_text.size();
    other.m_text.truncate(0);
    other.m_lineStart = 0;
    other.m_lines.clear();
}

void Lines::sort()
{
    // Eight bytes at a time: sort on them, then sort again, eight bytes further on, only the runs
    // of lines that agreed so far. Lines that share long beginnings ("Rossi Mario" a hundred
    // times) are then read once a round rather than once a comparison.
    std::vector<Key> keys;
    keys.reserve(m_lines.size());
    for (size_t i = 0; i < m_lines.size(); ++i)
        keys.push_back(keyAt(bytes(qsizetype(i)), 0, quint32(i)));
    struct Run
    {
        size_t first, last;
        qsizetype depth;
    };
    std::vector<Run> runs{{0, keys.size(), 0}};
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        if (run.depth > 0) {
            for (size_t k = run.first; k < run.last; ++k)
                keys[k] = keyAt(bytes(keys[k].index), run.depth, keys[k].index);
        }
        std::sort(keys.begin() + qsizetype(run.first), keys.begin() + qsizetype(run.last));
        for (size_t k = run.first; k < run.last;) {
            size_t end = k + 1;
            while (end < run.last && keys[end].word == keys[k].word && keys[end].held == keys[k].held)
                ++end;
            // Lines that hold all eight bytes and agree on them go on to the next eight.
            if (end - k > 1 && keys[k].held == 8)
                runs.push_back({k, end, run.depth + 8});
            k = end;
        }
    }
    std::vector<Entry> sorted;
    sorted.reserve(m_lines.size());
    for (const Key &k : keys)
        sorted.push_back(m_lines[k.index]);
    m_lines = std::move(sorted);
}

} // namespace ListText
