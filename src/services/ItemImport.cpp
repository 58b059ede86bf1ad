#include "ItemImport.h"

#include "core/Archive.h"
#include "core/Numbers.h"
#include "core/TextField.h"
#include "warehouse/ItemFigures.h"
#include "warehouse/MagazzinoRecord.h"

using namespace Magazzino;

namespace ItemImport {

namespace {

const RecordLayout &items()
{
    return Magazzino::layout();
}

QString fieldText(const QByteArray &item, int field)
{
    return RecordView(items(), item.constData()).text(field);
}

// Writes one field into the stored bytes, leaving every other byte of the record as it was.
void storeField(QByteArray &item, int field, const QString &text)
{
    const RecordLayout &l = items();
    TextField::store(item.data() + l.offset(field), l.capacity(field), text);
}

} // namespace

QString lineOf(const RecordView &item)
{
    QString line = ListText::fix(item.text(Codice), 30);
    line += QStringLiteral("  ") + ListText::fix(item.text(Descrizione), 45);
    line += QStringLiteral("  Prezzo: ") + ListText::fix(item.text(Prezzo), 15);
    line += QStringLiteral("  Giacenza: ") + item.text(Giacenza);
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).unicode() <= 32)
        --end;
    line.truncate(end);
    return line;
}

ListText::Lines search(const QString &path, const std::vector<ListService::Criterion> &criteria)
{
    return ListService::collect(
        path, items(), ListService::matchAll(criteria),
        [](const RecordView &view, qint64 position, ListText::Lines &lines) {
            lines.add(position, lineOf(view));
        },
        ListService::Missing::Create);
}

Details details(const QByteArray &item)
{
    return {fieldText(item, Codice), fieldText(item, Descrizione), fieldText(item, Giacenza),
            fieldText(item, Costo), fieldText(item, Valore)};
}

LineCopy lineCopy(const QByteArray &item)
{
    return {fieldText(item, Codice), fieldText(item, Descrizione), fieldText(item, Prezzo)};
}

QString leaveQuantity(const QString &text)
{
    if (TextField::trim(text).isEmpty())
        return text;
    const std::optional<long double> value = Numbers::parse(text);
    if (!value)
        return QStringLiteral("0");
    return Numbers::numericForm(Numbers::arrotonda(double(*value), 4));
}

UnloadResult unload(const QString &path, qint64 position, const QString &quantity)
{
    UnloadResult result{Unload::NoSuchRecord, {}, {}};
    const std::optional<long double> q = Numbers::parse(quantity);
    const Archive archive(path, items().recordSize());
    const auto written = archive.modify(position, [&](const QByteArray &stored) -> std::optional<QByteArray> {
        result.item = stored;
        const std::optional<long double> stock = Numbers::parse(fieldText(stored, Giacenza));
        if (!q || !stock) {
            result.outcome = Unload::Unreadable;
            return std::nullopt;
        }
        if (*q > *stock) {
            result.outcome = Unload::AboveStock;
            return std::nullopt;
        }
        const QString giacenza = Numbers::numericForm(*stock - *q);
        const QString valore = ItemFigures::calcolaValore({fieldText(stored, Costo), giacenza, {}}).valore;
        QByteArray changed = stored;
        storeField(changed, Giacenza, giacenza);
        storeField(changed, Valore, valore);
        result.outcome = Unload::Done;
        return changed;
    });
    if (written) {
        result.item = *written;
        result.giacenza = fieldText(*written, Giacenza);
    }
    return result;
}

std::optional<QByteArray> read(const QString &path, qint64 position)
{
    const auto loaded = Archive(path, items().recordSize()).readAt(position);
    if (!loaded)
        return std::nullopt;
    return loaded->bytes;
}

} // namespace ItemImport
