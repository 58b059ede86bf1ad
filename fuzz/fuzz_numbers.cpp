// Number parsing, the numeric form, rounding and amount normalisation over any input.
//
// Properties: parsing never crashes and gives only finite values; the numeric form of any finite
// value parses, and is a fixed point (form(parse(form(x))) == form(x)); for a double with at most
// 15 significant digits, parsing its form and rounding to double gives that double or, at most,
// its neighbour. Parsing is in extended precision, so rounding the result to double rounds twice,
// and for about one such double in five thousand the second rounding lands one unit in the last
// place away: the program computes with that value, as it always has. Arrotonda is symmetric and
// moves a value by at most half a unit of its last kept decimal.

#include "FuzzCheck.h"
#include "core/Numbers.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// The double that the 15-significant-digit decimal nearest to d names.
double viaFifteenDigits(double d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", d);
    return std::strtod(buf, nullptr);
}

void checkForm(long double v)
{
    const QString form = Numbers::numericForm(v);
    const auto back = Numbers::parse(form);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(Numbers::numericForm(*back) == form);
    FUZZ_CHECK(!form.contains(u'.'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const double d = in.ConsumeFloatingPoint<double>();
    const int decimals = in.ConsumeIntegralInRange<int>(0, 12);
    // A decimal of at most 15 significant digits and the double nearest to it.
    const long long mantissa = in.ConsumeIntegralInRange<long long>(-999999999999999LL, 999999999999999LL);
    const int exponent = in.ConsumeIntegralInRange<int>(-320, 300);
    const std::string text = in.ConsumeRemainingBytesAsString();

    const QString s = QString::fromLatin1(text.data(), qsizetype(text.size()));
    if (const auto parsed = Numbers::parse(s)) {
        FUZZ_CHECK(std::isfinite(*parsed));
        checkForm(*parsed);
    }
    const QString amount = Numbers::normalizeAmount(s);
    FUZZ_CHECK(amount.startsWith(s));

    char decimal[48];
    std::snprintf(decimal, sizeof decimal, "%llde%d", mantissa, exponent);
    const double short15 = std::strtod(decimal, nullptr);
    for (const double x : {d, short15}) {
        if (std::isfinite(x) && viaFifteenDigits(x) == x) {
            const auto back = Numbers::parse(Numbers::numericForm(x));
            FUZZ_CHECK(back.has_value());
            const double b = static_cast<double>(*back);
            FUZZ_CHECK(b == x || std::nextafter(x, b) == b);
        }
    }

    if (std::isfinite(d)) {
        checkForm(d);
        const double r = Numbers::arrotonda(d, decimals);
        FUZZ_CHECK(Numbers::arrotonda(-d, decimals) == -r);
        if (std::fabs(d) < 1e15) {
            const long double half = 0.5L / std::pow(10.0L, decimals);
            FUZZ_CHECK(std::fabs(static_cast<long double>(r) - d) <=
                       half * (1 + 1e-12L) + std::fabs(d) * 4 * DBL_EPSILON);
        }
    }
    return 0;
}
