#include "ListText.h"

#include "Win1252.h"

#include <algorithm>

namespace ListText {

QString fix(QStringView text, int n)
{
    if (n <= 0)
        return {};
    QString out = text.left(n).toString();
    if (out.size() < n)
        out.append(QString(n - out.size(), u' '));
    return out;
}

QString upperAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return out;
}

QString lowerAZ(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    return out;
}

int compareListOrder(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(upperAZ(a[i]));
        const auto y = static_cast<unsigned char>(upperAZ(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool listLess(QStringView a, QStringView b)
{
    return compareListOrder(Win1252::encode(a), Win1252::encode(b)) < 0;
}

} // namespace ListText
