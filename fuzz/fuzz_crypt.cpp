// The password file's scrambling: any text unscrambles without crashing, hexadecimal text
// unscrambles and scrambles back to itself, and scrambling then unscrambling gives the text back
// (each character taken to its low eight bits, as the file stores them).

#include "FuzzCheck.h"
#include "core/Crypt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = utf16From(reinterpret_cast<const char *>(data), size);
    const auto plain = Crypt::unscramble(text);
    bool hex = true;
    for (qsizetype i = 0; i < text.size() / 2 * 2; ++i)
        hex = hex && QStringLiteral("0123456789abcdefABCDEF").contains(text[i]);
    FUZZ_CHECK(plain.has_value() == hex);
    if (plain) {
        FUZZ_CHECK(plain->size() == text.size() / 2);
        FUZZ_CHECK(Crypt::scramble(*plain) == text.left(text.size() / 2 * 2).toUpper());
    }

    const QString scrambled = Crypt::scramble(text);
    FUZZ_CHECK(scrambled.size() == 2 * text.size());
    const auto back = Crypt::unscramble(scrambled);
    FUZZ_CHECK(back.has_value());
    QString low;
    for (QChar c : text)
        low += QChar(char16_t(c.unicode() & 0xFF));
    FUZZ_CHECK(*back == low);

    // The same bytes as Latin-1 text, the way a password file usually holds them.
    const QString latin = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(Crypt::unscramble(Crypt::scramble(latin)) == latin);
    return 0;
}
