#include "ListText.h"

#include "Win1252.h"

#include <algorithm>
#include <cstring>

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

QByteArray orderKey1252(QByteArray line)
{
    for (char &c : line)
        c = upperAZ(c);
    return line;
}

QByteArray orderKey(QStringView line)
{
    return orderKey1252(Win1252::encode(line));
}

bool listLess(QStringView a, QStringView b)
{
    const QByteArray ka = orderKey(a);
    const QByteArray kb = orderKey(b);
    return ka < kb; // QByteArray compares unsigned bytes
}

void sortLines(std::vector<Line> &lines)
{
    struct Keyed
    {
        QByteArray key;
        size_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        keyed.push_back({orderKey(lines[i].text), i});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    std::vector<Line> sorted;
    sorted.reserve(lines.size());
    for (const Keyed &k : keyed)
        sorted.push_back(std::move(lines[k.index]));
    lines = std::move(sorted);
}

} // namespace ListText
