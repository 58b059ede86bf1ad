#include "QuoteNumbering.h"

#include "core/Numbers.h"
#include "core/TextField.h"

#include <cmath>

namespace QuoteNumbering {
namespace {

// A signed whole number in the range of a 32-bit integer, as the settings were always read.
std::optional<qint64> wholeNumber(const QString &text)
{
    const QString t = TextField::trim(text);
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype j = i; j < t.size(); ++j) {
        if (t[j] < u'0' || t[j] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<QString> propose(const QString &inizio, const QString &annoSolare, qint64 count,
                               int currentYear)
{
    const QString start = TextField::trim(inizio);
    const std::optional<qint64> first = start.isEmpty() ? std::optional<qint64>(1) : wholeNumber(start);
    if (!first)
        return std::nullopt;
    QString number = QString::number(*first + count);
    if (TextField::trim(annoSolare) == QStringLiteral("S\u00EC"))
        number += QStringLiteral("/%1").arg(currentYear, 4, 10, QChar(u'0'));
    return number;
}

QString shownStart(const QString &inizio)
{
    return TextField::trim(inizio).isEmpty() ? QStringLiteral("1") : inizio;
}

QString leaveStart(const QString &text)
{
    if (TextField::trim(text).isEmpty())
        return QStringLiteral("1");
    const std::optional<long double> value = Numbers::parse(text);
    if (!value || !std::isfinite(static_cast<double>(*value)))
        return QStringLiteral("1");
    return Numbers::numericForm(Numbers::arrotonda(static_cast<double>(*value), 0));
}

} // namespace QuoteNumbering
