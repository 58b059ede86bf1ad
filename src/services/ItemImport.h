#pragma once

#include "core/ListText.h"
#include "services/ListService.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// Importing a warehouse item into a quote line: the item list of the import window, the chosen
// item's details, what goes into the line, and the stock unload written to the item archive.
namespace ItemImport {

// The list line: code, description and price in columns of 30, 45 and 15, then the stock.
QString lineOf(const RecordView &item);
// The items where every criterion that is not blank occurs in its field, sorted. Creates a
// missing archive; throws ArchiveError when it cannot be opened or read.
ListText::Lines search(const QString &path, const std::vector<ListService::Criterion> &criteria);

// What the window shows of the chosen item (trimmed texts).
struct Details
{
    QString codice;
    QString descrizione;
    QString giacenza;
    QString costo;
    QString valore;
};
Details details(const QByteArray &item);

// What the quote line receives; the line's own widths cut it when the quote is saved.
struct LineCopy
{
    QString codice;
    QString descrizione;
    QString prezzo; // without VAT
};
LineCopy lineCopy(const QByteArray &item);

// "Quantità da scaricare:" on leaving: four decimals at most in the shortest form; unreadable
// text becomes "0"; blank text stays as it is.
QString leaveQuantity(const QString &text);

enum class Unload {
    Done,
    AboveStock,   // the quantity exceeds the stock stored now: nothing written
    Unreadable,   // the quantity or the stored stock is not a number: nothing written
    NoSuchRecord, // the position is past the end of the archive
};
struct UnloadResult
{
    Unload outcome = Unload::NoSuchRecord;
    QByteArray item;  // the record as written (Done) or as read
    QString giacenza; // the stock after the unload (Done)
};

// Takes `quantity` from the stock of the item at `position` (1-based) in one read and write under
// the archive's write lock, comparing it with the stock stored now, so a sale made meanwhile by
// another workstation is never undone. Only the stock and the value (cost x stock, to the cent)
// change. Throws ArchiveError when the archive cannot be read or written.
UnloadResult unload(const QString &path, qint64 position, const QString &quantity);

// Reads the item at `position` for an import that leaves the stock alone; nullopt past the end.
// Throws ArchiveError.
std::optional<QByteArray> read(const QString &path, qint64 position);

} // namespace ItemImport
