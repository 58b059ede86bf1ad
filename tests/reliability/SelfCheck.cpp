#include "SelfCheck.h"

#include <QHash>
#include <QSet>
#include <cstring>

namespace SelfCheck {
namespace {

constexpr char kMagic[4] = {'Q', 'R', 'L', 'T'};
constexpr int kHeader = 16;

quint64 mix(quint64 x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

void fill(char *out, int size, int writer, qint64 sequence)
{
    quint64 state = mix((quint64(quint32(writer)) << 40) ^ quint64(sequence) ^ 0x9e3779b97f4a7c15ULL);
    for (int i = 0; i < size; i += 8) {
        state = mix(state + 0x9e3779b97f4a7c15ULL);
        std::memcpy(out + i, &state, size_t(qMin(8, size - i)));
    }
}

} // namespace

QByteArray makeRecord(int recordSize, int writer, qint64 sequence)
{
    Q_ASSERT(recordSize >= kHeader);
    QByteArray r(recordSize, Qt::Uninitialized);
    std::memcpy(r.data(), kMagic, 4);
    const qint32 w = writer;
    std::memcpy(r.data() + 4, &w, 4);
    std::memcpy(r.data() + 8, &sequence, 8);
    fill(r.data() + kHeader, recordSize - kHeader, writer, sequence);
    return r;
}

std::optional<Stamp> check(const char *bytes, int recordSize)
{
    if (recordSize < kHeader || std::memcmp(bytes, kMagic, 4) != 0)
        return std::nullopt;
    qint32 w;
    qint64 s;
    std::memcpy(&w, bytes + 4, 4);
    std::memcpy(&s, bytes + 8, 8);
    if (w < 0 || s < 0)
        return std::nullopt;
    const QByteArray expected = makeRecord(recordSize, w, s);
    if (std::memcmp(expected.constData(), bytes, size_t(recordSize)) != 0)
        return std::nullopt;
    return Stamp{w, s};
}

Tally tally(const QByteArray &file, int recordSize, int writers, qint64 perWriter)
{
    Tally t;
    t.records = file.size() / recordSize;
    t.tailBytes = file.size() % recordSize;
    QHash<int, QSet<qint64>> seen;
    QHash<int, qint64> highest;
    int previousWriter = -1;
    for (qint64 i = 0; i < t.records; ++i) {
        const auto stamp = check(file.constData() + i * recordSize, recordSize);
        if (!stamp || stamp->writer >= writers) {
            if (t.torn++ == 0)
                t.firstProblem = QStringLiteral("record %1 does not check").arg(i + 1);
            continue;
        }
        if (previousWriter >= 0 && previousWriter != stamp->writer)
            ++t.switches;
        previousWriter = stamp->writer;
        QSet<qint64> &mine = seen[stamp->writer];
        if (mine.contains(stamp->sequence)) {
            if (t.duplicated++ == 0 && t.firstProblem.isEmpty())
                t.firstProblem = QStringLiteral("record %1 repeats writer %2 sequence %3")
                                     .arg(i + 1)
                                     .arg(stamp->writer)
                                     .arg(stamp->sequence);
        }
        mine.insert(stamp->sequence);
        highest[stamp->writer] = qMax(highest.value(stamp->writer, -1), stamp->sequence);
    }
    for (int w = 0; w < writers; ++w) {
        const qint64 expected = perWriter > 0 ? perWriter : highest.value(w, -1) + 1;
        const QSet<qint64> &mine = seen[w];
        for (qint64 s = 0; s < expected; ++s) {
            if (!mine.contains(s) && t.lost++ == 0 && t.firstProblem.isEmpty())
                t.firstProblem = QStringLiteral("writer %1 lost sequence %2").arg(w).arg(s);
        }
    }
    return t;
}

} // namespace SelfCheck
