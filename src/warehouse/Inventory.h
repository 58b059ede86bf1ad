#pragma once

#include "core/ListLines.h"
#include "core/ListText.h"

#include <QString>
#include <QStringList>
#include <vector>

// The inventory of the warehouse: one line per item of a type (or of every item), the total value
// of the goods and the items whose value could not be added. GUI-free; the inventory window and
// quadrivo-tool show what it builds.
namespace Inventory {

struct Result
{
    ListText::Lines lines;                         // in list order, with the record positions
    QString selectedType;                          // the trimmed type, or "Tutti gli articoli in magazzino."
    QString total;                                 // "€ 12,75"; empty until the whole archive is read
    QString runningTotal = QStringLiteral("0,00"); // the sum so far, in the numeric form
    std::vector<qint64> unreadable;                // positions of listed items whose value does not read
};

// The line of an item, from its fields as stored.
QString line(const QString &codice, const QString &marca, const QString &modello, const QString &costo,
             const QString &giacenza, const QString &valore);

// Every item with a word of its type beginning with `type` (case-insensitively), or every item
// when `type` is blank.
// A missing archive gives an empty inventory and is created only when `create` is set.
// Throws ArchiveError when the archive cannot be opened or read.
Result build(const QString &path, const QString &type, bool create);
// The same into `result`: when reading fails, what was read so far stays there (lines unsorted,
// total empty) and the error goes on.
void buildInto(const QString &path, const QString &type, bool create, Result &result);

// The running total: each value is added to a double shown in the numeric form, and that text is
// what the final total is made from.
class Total
{
public:
    void add(double value);
    QString shown() const { return m_shown; }
    // "€ " and the amount, rounded to four decimals and normalised.
    QString finished() const;

private:
    double m_sum = 0;
    QString m_shown = QStringLiteral("0,00");
};

// The warning after building when some values could not be added; empty when none.
QString unreadableWarning(int count);

// The printed inventory's title, and the lines that close it under the list.
QString printTitle(const QString &selectedType);
QStringList closingLines(const QString &total);

QString allItems();

} // namespace Inventory
