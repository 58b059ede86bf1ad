#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A property that does not hold is a finding: report it and stop, so libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// Arbitrary bytes as UTF-16 text, lone surrogates and all.
inline QString utf16From(const char *data, size_t size)
{
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
}
