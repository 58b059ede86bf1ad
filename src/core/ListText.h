#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Text helpers of the lists every archive service shows: fixed-width columns, the A-Z-only
// case folding and the list order.
namespace ListText {

// The text with blanks appended, of which the first n characters are kept.
QString fix(QStringView text, int n);

// Only a-z and A-Z change case: accented letters ("è", "È") stay as they are.
QString upperAZ(QStringView text);
QString lowerAZ(QStringView text);
inline char upperAZ(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
inline char lowerAZ(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// The key that orders a line in a list: its Windows-1252 bytes with a-z folded to A-Z, compared
// as unsigned bytes. So "bianchi" comes before "Rossi" and "_" after the letters.
QByteArray orderKey(QStringView line);
// The same for a line already held in Windows-1252.
QByteArray orderKey1252(QByteArray line);
bool listLess(QStringView a, QStringView b);

// One line of a list with the 1-based position of the record it was built from.
struct Line
{
    qint64 position;
    QString text;
};
// Sorts once, in list order; equal lines keep their file order.
void sortLines(std::vector<Line> &lines);

} // namespace ListText
