#pragma once

#include <QString>
#include <optional>

// Numbers held as text: the comma is the decimal separator, there is no thousands separator, and
// every calculation runs in binary floating point, so the last cent follows these rules exactly.
namespace Numbers {

// A decimal number with the comma, optionally signed, optionally with an exponent (E and digits);
// blanks around it are allowed. Empty text, letters or two commas fail. Extended precision.
std::optional<long double> parse(QStringView text);

// The shortest general text with at most 15 significant digits: 12,5 3 0,1235 -4,2 0; non-zero
// magnitudes below 0,00001 or with more than 15 integer digits take an exponent (1E-8, 1E15).
QString numericForm(long double value);

// Half up on the binary value for x >= 0: x times 10^n plus one half, truncated, divided by 10^n,
// with the product and sum in extended precision. Negative values round symmetrically.
double arrotonda(double x, int decimals);

// "27" -> "27,00", "12,5" -> "12,50"; anything else is left as it is.
QString normalizeAmount(const QString &text);

} // namespace Numbers
