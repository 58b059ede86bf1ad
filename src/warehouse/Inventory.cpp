#include "Inventory.h"

#include "MagazzinoRecord.h"
#include "core/Archive.h"
#include "core/Numbers.h"
#include "core/RecordView.h"
#include "core/TextField.h"

#include <QFileInfo>

namespace Inventory {

using namespace Magazzino;

namespace {

// Whether a word of `text` begins with `needle` (A-Z folded already): "ric" finds Ricambi and
// "ricambi auto", "auto" finds "ricambi auto", but "ric" inside Elettrico is no match.
bool hasWordStartingWith(const QString &text, const QString &needle)
{
    const QString folded = ListText::lowerAZ(text);
    for (qsizetype at = folded.indexOf(needle); at >= 0; at = folded.indexOf(needle, at + 1)) {
        if (at == 0 || folded.at(at - 1) == u' ')
            return true;
    }
    return false;
}

} // namespace

QString allItems()
{
    return QStringLiteral("Tutti gli articoli in magazzino.");
}

QString line(const QString &codice, const QString &marca, const QString &modello, const QString &costo,
             const QString &giacenza, const QString &valore)
{
    return ListText::fix(codice, 30) + QStringLiteral("  ") + ListText::fix(marca + u' ' + modello, 40) +
           QStringLiteral("  Costo: \u20AC ") + ListText::fix(costo, 12) + QStringLiteral("  Giacenza: ") +
           ListText::fix(giacenza, 12) + QStringLiteral("  Valore: \u20AC ") + valore;
}

void Total::add(double value)
{
    m_sum += value;
    m_shown = Numbers::numericForm(m_sum);
}

QString Total::finished() const
{
    const auto parsed = Numbers::parse(m_shown);
    const double rounded = Numbers::arrotonda(parsed ? double(*parsed) : 0.0, 4);
    return QStringLiteral("\u20AC ") + Numbers::normalizeAmount(Numbers::numericForm(rounded));
}

Result build(const QString &path, const QString &type, bool create)
{
    Result result;
    buildInto(path, type, create, result);
    return result;
}

void buildInto(const QString &path, const QString &type, bool create, Result &result)
{
    const QString wanted = TextField::trim(type);
    result.selectedType = wanted.isEmpty() ? allItems() : wanted;
    Total total;
    if (create || QFileInfo::exists(path)) {
        const QString needle = ListText::lowerAZ(wanted);
        Archive(path, layout().recordSize()).scan([&](qint64 position, const char *bytes) {
            const RecordView item(layout(), bytes);
            // With a type, an item without one is never listed.
            if (!wanted.isEmpty() &&
                (item.raw(Tipologia).isEmpty() || !hasWordStartingWith(item.text(Tipologia), needle)))
                return true;
            const QString valore = item.text(Valore);
            result.lines.add(position, line(item.text(Codice), item.text(Marca), item.text(Modello),
                                            item.text(Costo), item.text(Giacenza), valore));
            if (const auto value = Numbers::parse(valore)) {
                total.add(double(*value));
                result.runningTotal = total.shown();
            } else {
                result.unreadable.push_back(position);
            }
            return true;
        });
    }
    result.lines.sort();
    result.total = total.finished();
}

QString unreadableWarning(int count)
{
    if (count <= 0)
        return {};
    return QStringLiteral(
               "Attenzione: il valore di %1 articoli non \u00E8 leggibile e non \u00E8 compreso nel "
               "totale.")
        .arg(count);
}

QString printTitle(const QString &selectedType)
{
    return QStringLiteral("Inventario merce - Tipologia: ") + TextField::trim(selectedType);
}

QStringList closingLines(const QString &total)
{
    return {QString(26, u'-'), QStringLiteral("VALORE TOTALE: ") + TextField::trim(total)};
}

} // namespace Inventory
