#pragma once

#include "platform/Platform.h"

#include <QString>
#include <QStringList>

class Record;

// The rules of the deadline card that do not depend on its window: the year of a yearly file,
// the lists of the date and time combos, the defaults of New and Duplicate, the amount, and the
// checks that a card passes before it is saved.
namespace ScadenzarioRules {

// The year typed on the start panel names a file: four characters, all of them digits.
bool isYear(const QString &text);
QString yearWarning();
QString fileName(const QString &year); // "2024" -> "2024.sca"
QString caption();                     // the window before a year is open
QString caption(const QString &year);  // ... and once it is

// The items of the four drop-down lists.
QStringList days();    // "01" .. "31"
QStringList months();  // "Gennaio" .. "Dicembre"
QStringList hours();   // "00" .. "23"
QStringList minutes(); // "00" .. "59"

// 1 for "gennaio" .. 12 for "dicembre", whatever the case and surrounding blanks; 0 otherwise.
int monthNumber(QStringView name);
// Giorno/mm/Anno with the month's number ("31/04/2024"); Ore:Minuti ("09:30"). Parts are trimmed.
QString composeDate(const QString &day, const QString &month, const QString &year);
QString composeTime(const QString &hour, const QString &minutes);
// A real calendar day written as dd/mm/yyyy.
bool isValidDate(const QString &date);

// txtCosto once it loses the focus: a number keeps four decimals and shows at least two
// (12 -> 12,00; 12,5 -> 12,50; 0,125 stays); empty or unreadable text becomes "0,00".
QString amountOnLeave(const QString &text);

// What New puts into a field: "00" for hour and minutes, "0,00" for the amount, else nothing.
QString newText(int field);
// Duplicate starts a new deadline of the same kind: day and month are emptied and the time goes
// back to 00:00; everything else is kept.
bool resetByDuplicate(int field);
Record newCard();
Record duplicate(const Record &card);

// The outcome of the checks a card passes before it is written. When a check fails, `message`
// is shown with `kind` and the focus goes to `focus`; when all pass, `year`, `date` and `time`
// are the Anno, Data and Ora to store.
struct SaveCheck
{
    bool ok = false;
    MessageKind kind = MessageKind::Warning;
    QString message;
    int focus = -1;
    QString year;
    QString date;
    QString time;
};

// `card` holds the texts of the card's controls and the open year in Anno; its amount must
// already be in its stored form (amountOnLeave). Checks stop at the first failure.
SaveCheck checkSave(const Record &card);
// Stores the year and the composed date and time into a checked card.
void complete(Record &card, const SaveCheck &check);

} // namespace ScadenzarioRules
