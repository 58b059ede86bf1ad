// The Windows-1252 codec and the Text(N) field: every byte decodes and encodes back to itself, a
// field never grows past its capacity, and text that fits comes back as it went in.

#include "FuzzCheck.h"
#include "core/TextField.h"
#include "core/Win1252.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const char *bytes = reinterpret_cast<const char *>(data) + 1;
    const size_t n = size - 1;

    // The code page as bytes: a bijection.
    const QByteArray raw(bytes, qsizetype(n));
    const QString decoded = Win1252::decode(raw);
    FUZZ_CHECK(decoded.size() == raw.size());
    FUZZ_CHECK(Win1252::canEncode(decoded));
    FUZZ_CHECK(Win1252::encode(decoded) == raw);

    // The same bytes as any text at all.
    const QString text = utf16From(bytes, n);
    const QByteArray encoded = Win1252::encode(text);
    FUZZ_CHECK(encoded.size() <= text.size());
    if (Win1252::canEncode(text))
        FUZZ_CHECK(Win1252::decode(encoded) == text);

    const int capacity = 1 + data[0] % 255;
    std::unique_ptr<char[]> field(new char[size_t(capacity) + 1]); // exactly the field's size
    TextField::store(field.get(), capacity, text);
    const int length = static_cast<unsigned char>(field[0]);
    FUZZ_CHECK(length <= capacity);
    for (int i = length + 1; i <= capacity; ++i)
        FUZZ_CHECK(field[size_t(i)] == 0);
    const QString loaded = TextField::load(field.get(), capacity);
    FUZZ_CHECK(TextField::trim(loaded) == loaded);
    FUZZ_CHECK(loaded.size() <= capacity);

    // Stored again, the loaded text gives the same field text.
    std::unique_ptr<char[]> again(new char[size_t(capacity) + 1]);
    TextField::store(again.get(), capacity, loaded);
    FUZZ_CHECK(TextField::load(again.get(), capacity) == loaded);

    // Text the field can hold whole comes back unchanged.
    const QString trimmed = TextField::trim(text);
    if (Win1252::canEncode(trimmed) && Win1252::encode(trimmed).size() <= capacity)
        FUZZ_CHECK(loaded == trimmed);
    return 0;
}
