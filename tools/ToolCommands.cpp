#include "ToolCommands.h"

#include "core/Win1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <array>
#include <cstdio>
#include <cstring>

namespace ToolOutput {

void out(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void err(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

QString jsonString(const QString &text)
{
    // QJsonDocument only serialises containers: wrap, then take the element back out.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

namespace {

// What each Windows-1252 byte of a line becomes inside a JSON string in UTF-8, made once. A
// listing of a whole archive is one line per record: the bytes go straight from the list's
// buffer to the output, without a QString per line.
struct JsonBytes
{
    std::array<QByteArray, 256> of;
    JsonBytes()
    {
        for (int b = 0; b < 256; ++b) {
            const char c = char(b);
            switch (c) {
            case '"':
                of[size_t(b)] = "\\\"";
                break;
            case '\\':
                of[size_t(b)] = "\\\\";
                break;
            case '\n':
                of[size_t(b)] = "\\n";
                break;
            case '\r':
                of[size_t(b)] = "\\r";
                break;
            case '\t':
                of[size_t(b)] = "\\t";
                break;
            default:
                if (b < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(b));
                    of[size_t(b)] = escaped;
                } else {
                    of[size_t(b)] = Win1252::decode(&c, 1).toUtf8();
                }
            }
        }
    }
    // Printable ASCII other than the quote and the backslash goes out as it is.
    static bool plain(unsigned char b) { return b >= 0x20 && b < 0x80 && b != '"' && b != '\\'; }
};

// Whether eight bytes are all plain, tested at once.
bool plain8(const char *p)
{
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    quint64 x;
    std::memcpy(&x, p, 8);
    const auto hasZero = [](quint64 v) { return (v - ones) & ~v & highs; };
    const quint64 control = (x - 0x20 * ones) & ~x & highs; // a byte below 0x20
    return ((x & highs) | control | hasZero(x ^ ('"' * ones)) | hasZero(x ^ ('\\' * ones))) == 0;
}

void appendJson(QByteArray &out, QByteArrayView line, const JsonBytes &json)
{
    out += '"';
    const char *p = line.data();
    const char *const end = p + line.size();
    while (p < end) {
        const char *run = p;
        while (end - p >= 8 && plain8(p))
            p += 8;
        while (p < end && JsonBytes::plain(static_cast<unsigned char>(*p)))
            ++p;
        out.append(run, p - run);
        if (p < end)
            out += json.of[static_cast<unsigned char>(*p++)];
    }
    out += '"';
}

} // namespace

void printLines(const ListText::Lines &lines)
{
    static const JsonBytes json;
    QByteArray text;
    constexpr qsizetype kChunk = 64 << 10; // written out in pieces, in the same few pages
    text.reserve(kChunk + 4096);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        text += "{\"pos\": ";
        text += QByteArray::number(lines.position(i));
        text += ", \"line\": ";
        appendJson(text, lines.bytes(i), json);
        text += "}\n";
        if (text.size() >= kChunk) {
            std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
            text.resize(0); // keeps the buffer
        }
    }
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
}

} // namespace ToolOutput
