#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Windows-1252, the code page of every archive and INI file. Our own table: Latin-1 differs in
// 0x80-0x9F ("€", curly quotes, dashes), and stored files must round-trip byte for byte.
namespace Win1252 {

// Characters the code page cannot represent become "?", one per character (surrogate pairs too).
QByteArray encode(QStringView text);
QString decode(const char *bytes, qsizetype length);
inline QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

// The byte for one code point, or -1 when the code page has none.
int byteFor(char32_t codePoint);
bool canEncode(QStringView text);
// The characters of `text` the code page cannot represent, each once, in order of appearance
// (a character outside the basic plane keeps its two halves); empty when `text` encodes whole.
QStringList unencodable(QStringView text);

} // namespace Win1252
