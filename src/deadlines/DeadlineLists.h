#pragma once

#include "services/ExportMembers.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// The imminent deadlines and the calendar's day and month lists, without their windows: which
// records each list keeps, the files it reads and the rows it shows, in date-and-time order.
namespace DeadlineLists {

enum class List { Imminent, Day, Month };

// A deadline is imminent on `today` from `notice` days before its date up to its date.
bool isImminent(const QDate &date, int notice, const QDate &today);
// The same for a stored record; nullopt when its date or its notice does not read.
std::optional<bool> isImminent(const char *record, const QDate &today);
// Month of Data, Giorno, OreApp, MinutiApp: "03050930" for 09:30 on 5 March.
QByteArray key(const char *record);
// Whether the list for `date` keeps the record (a damaged one is simply not kept).
bool keeps(List list, const char *record, const QDate &date);

// The window, its file and sheet, and the 20 columns (the sort key last) of each list.
const ExportMember &member(List list);
// On screen: "N." then the columns, in pixels.
QList<int> gridWidths(List list);

struct YearFile
{
    int year = 0;
    QString path;
    bool create = false; // created empty when missing; otherwise read only when it exists
};
// The files a list reads in `folder`: the year of `date` (created when missing), and for the
// imminent list also the next year's when it exists, since a notice can reach across New Year.
QList<YearFile> files(List list, const QDate &date, const QString &folder);

struct Rows
{
    ExportTable table;
    QList<int> years; // of each row, in the table's order
};
// The kept records of the files in file order, numbered from 1 as they are read, then ordered by
// year and key, equal keys staying in file order. A file that cannot be read adds what it gave.
Rows build(List list, const QDate &date, const QList<YearFile> &files);
// Whether any record of the files is imminent on `today`.
bool anyImminent(const QDate &today, const QList<YearFile> &files);

} // namespace DeadlineLists
