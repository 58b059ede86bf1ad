#include "Crypt.h"

namespace Crypt {
namespace {

constexpr quint16 kStartKey = 41093;

quint16 nextKey(quint16 key, quint8 s)
{
    return quint16((quint32(key) + s) * 38261u + 47105u);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

} // namespace

QString scramble(QStringView text)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(text.size() * 2);
    quint16 key = kStartKey;
    for (QChar c : text) {
        const quint8 p = quint8(c.unicode() & 0xFF);
        const quint8 s = quint8(p ^ (key >> 8));
        out.append(QChar(digits[s >> 4])).append(QChar(digits[s & 0xF]));
        key = nextKey(key, s);
    }
    return out;
}

std::optional<QString> unscramble(QStringView hex)
{
    QString out;
    const qsizetype n = hex.size() / 2;
    out.reserve(n);
    quint16 key = kStartKey;
    for (qsizetype i = 0; i < n; ++i) {
        const int hi = hexValue(hex[2 * i]);
        const int lo = hexValue(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const quint8 s = quint8(hi * 16 + lo);
        out.append(QChar(char16_t(s ^ (key >> 8))));
        key = nextKey(key, s);
    }
    return out;
}

} // namespace Crypt
