// The INI reader over any file contents: reading never crashes, writing what was read is stable,
// and setting one value makes exactly that value readable while the others keep theirs.

#include "FuzzCheck.h"
#include "core/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// A section or key name as the program writes them: letters, digits and inner blanks.
QString name(FuzzedDataProvider &in)
{
    static const char alphabet[] = "abcDEFxyz019_ .";
    QString out;
    const size_t n = in.ConsumeIntegralInRange<size_t>(1, 8);
    for (size_t i = 0; i < n; ++i)
        out += QLatin1Char(alphabet[in.ConsumeIntegralInRange<size_t>(0, sizeof alphabet - 2)]);
    out = out.trimmed();
    return out.isEmpty() ? QStringLiteral("k") : out;
}

// A value as a window would write it: one line of Windows-1252 text without enclosing blanks or
// quotes (which the reader removes).
QString value(FuzzedDataProvider &in)
{
    QString out;
    for (const char c : in.ConsumeRandomLengthString(40)) {
        const uchar u = uchar(c);
        if (u >= 32 && u != 127 && !(u >= 0x80 && u < 0xA0))
            out += QChar(u);
    }
    out = out.trimmed();
    if (out.size() >= 2 && out.front() == out.back() && (out.front() == u'"' || out.front() == u'\''))
        out.prepend(u'x');
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString section = name(in);
    const QString key = name(in);
    const QString newValue = value(in);
    const QString otherSection = name(in);
    const QString otherKey = name(in);
    const std::string rest = in.ConsumeRemainingBytesAsString();

    IniFile ini;
    ini.fromBytes(QByteArray(rest.data(), qsizetype(rest.size())));
    const QByteArray written = ini.toBytes();
    IniFile reread;
    reread.fromBytes(written);
    FUZZ_CHECK(reread.toBytes() == written);

    const QString otherBefore = ini.value(otherSection, otherKey, QStringLiteral("\x01none"));
    ini.setValue(section, key, newValue);
    FUZZ_CHECK(ini.value(section, key) == newValue);
    const bool same = section.compare(otherSection, Qt::CaseInsensitive) == 0 &&
                      key.compare(otherKey, Qt::CaseInsensitive) == 0;
    if (!same)
        FUZZ_CHECK(ini.value(otherSection, otherKey, QStringLiteral("\x01none")) == otherBefore);

    IniFile stored;
    stored.fromBytes(ini.toBytes());
    FUZZ_CHECK(stored.value(section, key) == newValue);
    return 0;
}
