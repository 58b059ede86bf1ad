#include "ListText.h"

#include "Win1252.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ListText {

QString fix(QStringView text, int n)
{
    if (n <= 0)
        return {};
    QString out = text.left(n).toString();
    if (out.size() < n)
        out.append(QString(n - out.size(), u' '));
    return out;
}

QString upperAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString lowerAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    return out;
}

int compareListOrder(QByteArrayView a, QByteArrayView b)
{
    // Lines of a list often share long beginnings ("Rossi Mario" a hundred times): equal bytes are
    // equal folded too, so they are skipped eight at a time and only a difference is folded.
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            quint64 x, y;
            std::memcpy(&x, a.data() + i, 8);
            std::memcpy(&y, b.data() + i, 8);
            if (x == y) {
                i += 8;
                continue;
            }
            // The first byte that differs: the lowest in memory is the low byte on little-endian.
            i += (std::endian::native == std::endian::little ? std::countr_zero(x ^ y)
                                                             : std::countl_zero(x ^ y)) /
                 8;
        } else if (a[i] == b[i]) {
            ++i;
            continue;
        }
        const auto fx = static_cast<unsigned char>(upperAZ(a[i]));
        const auto fy = static_cast<unsigned char>(upperAZ(b[i]));
        if (fx != fy)
            return fx < fy ? -1 : 1;
        ++i;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool listLess(QStringView a, QStringView b)
{
    return compareListOrder(Win1252::encode(a), Win1252::encode(b)) < 0;
}

} // namespace ListText
