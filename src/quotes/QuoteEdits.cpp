#include "QuoteEdits.h"

#include "core/Numbers.h"
#include "core/TextField.h"

#include <cmath>
#include <optional>

namespace QuoteEdits {
namespace {

// Four decimals of a parsed text, or nullopt when it does not parse as a finite double.
std::optional<QString> fourDecimals(const QString &text)
{
    const std::optional<long double> value = Numbers::parse(text);
    if (!value || !std::isfinite(static_cast<double>(*value)))
        return std::nullopt;
    return Numbers::numericForm(Numbers::arrotonda(static_cast<double>(*value), 4));
}

} // namespace

QString leaveDecimal(const QString &text)
{
    if (TextField::trim(text).isEmpty())
        return text;
    return fourDecimals(text).value_or(QString());
}

QString leavePrice(const QString &text)
{
    if (TextField::trim(text).isEmpty())
        return QString();
    const std::optional<QString> value = fourDecimals(text);
    return value ? Numbers::normalizeAmount(*value) : QStringLiteral("0,00");
}

} // namespace QuoteEdits
