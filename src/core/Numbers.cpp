#include "Numbers.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace Numbers {
namespace {

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<long double> parse(QStringView text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == u' ')
        ++i;
    while (end > i && text[end - 1] == u' ')
        --end;
    QByteArray c; // the same number in C syntax, for strtold
    c.reserve(end - i + 1);
    if (i < end && (text[i] == u'+' || text[i] == u'-'))
        c.append(char(text[i++].unicode()));
    int mantissaDigits = 0;
    while (i < end && isDigit(text[i])) {
        c.append(char(text[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < end && text[i] == u',') {
        c.append('.');
        ++i;
        while (i < end && isDigit(text[i])) {
            c.append(char(text[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'E' || text[i] == u'e')) {
        c.append('e');
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            c.append(char(text[i++].unicode()));
        int expDigits = 0;
        while (i < end && isDigit(text[i])) {
            c.append(char(text[i++].unicode()));
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    const long double v = strtold_l(c.constData(), nullptr, cLocale());
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

QString numericForm(long double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    char buf[64];
    // 15 significant digits: d.dddddddddddddde±X
    const locale_t previous = uselocale(cLocale());
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    uselocale(previous);
    const QByteArray s(buf);
    const bool negative = s.startsWith('-');
    const qsizetype ePos = s.indexOf('e');
    QByteArray digits = s.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    digits.replace(".", "");
    const int exponent = s.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);

    QByteArray out;
    if (negative)
        out.append('-');
    if (exponent >= 15 || exponent < -5) {
        out.append(digits.left(1));
        if (digits.size() > 1)
            out.append(',').append(digits.mid(1));
        out.append('E').append(QByteArray::number(exponent));
    } else if (exponent < 0) {
        out.append("0,").append(QByteArray(-exponent - 1, '0')).append(digits);
    } else if (digits.size() <= exponent + 1) {
        out.append(digits).append(QByteArray(exponent + 1 - digits.size(), '0'));
    } else {
        out.append(digits.left(exponent + 1)).append(',').append(digits.mid(exponent + 1));
    }
    return QString::fromLatin1(out);
}

double arrotonda(double x, int decimals)
{
    if (x < 0)
        return -arrotonda(-x, decimals);
    long double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long double shifted = std::truncl(static_cast<long double>(x) * scale + 0.5L);
    return static_cast<double>(shifted / scale);
}

QString normalizeAmount(const QString &text)
{
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return text + QStringLiteral(",00");
    if (comma == text.size() - 2 && isDigit(text.back()))
        return text + u'0';
    return text;
}

} // namespace Numbers
