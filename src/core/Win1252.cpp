#include "Win1252.h"

#include <array>

namespace {

// Code points of bytes 0x80-0x9F. The five bytes Windows leaves undefined map to the C1 control of
// the same value, as the system's converter does, so they survive a round trip.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct DecodeTable
{
    std::array<char16_t, 256> unit{};
    constexpr DecodeTable()
    {
        for (int b = 0; b < 256; ++b)
            unit[b] = char16_t(b);
        for (int i = 0; i < 32; ++i)
            unit[0x80 + i] = kHigh[i];
    }
};
constexpr DecodeTable kDecode;

} // namespace

namespace Win1252 {

int byteFor(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        const int b = byteFor(cp);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString decode(const char *bytes, qsizetype length)
{
    QString out(length, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < length; ++i)
        dst[i] = QChar(kDecode.unit[static_cast<unsigned char>(bytes[i])]);
    return out;
}

bool canEncode(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSurrogate())
            return false;
        if (byteFor(c.unicode()) < 0)
            return false;
    }
    return true;
}

QStringList unencodable(QStringView text)
{
    QStringList found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        char32_t cp = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        const QString character = text.mid(i, length).toString();
        if (byteFor(cp) < 0 && !found.contains(character))
            found.append(character);
        i += length - 1;
    }
    return found;
}

} // namespace Win1252
