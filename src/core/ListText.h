#pragma once

#include <QByteArrayView>
#include <QString>

// Text helpers of the lists every archive service shows: fixed-width columns, the A-Z-only
// case folding and the list order.
namespace ListText {

// The text with blanks appended, of which the first n characters are kept.
QString fix(QStringView text, int n);

// Only a-z and A-Z change case: accented letters ("è", "È") stay as they are.
QString upperAZ(QStringView text);
QString lowerAZ(QStringView text);
inline char upperAZ(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
inline char lowerAZ(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// The list order of two lines held in Windows-1252: bytes compared unsigned with a-z folded to A-Z,
// a line before the longer ones it begins. So "bianchi" comes before "Rossi" and "_" after the
// letters. Negative, zero or positive.
int compareListOrder(QByteArrayView a, QByteArrayView b);
bool listLess(QStringView a, QStringView b);

} // namespace ListText
