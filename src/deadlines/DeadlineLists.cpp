#include "DeadlineLists.h"

#include "ScadenzarioRecord.h"
#include "ScadenzarioRules.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "core/RecordView.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <numeric>

using namespace Scadenzario;

namespace DeadlineLists {

namespace {

QString trimmedText(const char *record, int field)
{
    return RecordView(layout(), record).text(field);
}

std::optional<QDate> readDate(const QString &text)
{
    if (!ScadenzarioRules::isValidDate(text))
        return std::nullopt;
    return QDate(text.sliced(6, 4).toInt(), text.sliced(3, 2).toInt(), text.sliced(0, 2).toInt());
}

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString yearText(int year)
{
    return QStringLiteral("%1").arg(year, 4, 10, QChar(u'0'));
}

// The grid's widths of columns 1 to 20; the month list has a narrower mobile telephone.
QList<int> columnWidths(List list)
{
    return {150, 150, 250, 180, 250, 250, list == List::Month ? 180 : 200, 200, 250, 250, 200, 250, 300, 300,
            200, 250, 200, 200, 300, 150};
}

QList<ExportTable::Column> columns(List list)
{
    QList<ExportTable::Column> cols = ExportMembers::deadlineColumns();
    ExportTable::Column code;
    code.header = code.gridHeader = QStringLiteral("Codice univoco");
    code.editable = true;
    code.compute = [](const char *record) { return key(record); };
    cols.append(code);
    const QList<int> widths = columnWidths(list);
    for (qsizetype c = 0; c < cols.size(); ++c)
        cols[c].width = widths[c];
    return cols;
}

ExportMember makeMember(List list)
{
    switch (list) {
    case List::Imminent:
        return {QStringLiteral("TfrmExpImminenti"),
                QStringLiteral(" Scadenze imminenti"),
                QStringLiteral("Scadenze_Imminenti.xls"),
                QStringLiteral("Scadenze imminenti"),
                HelpPage::ScadenzeImminenti,
                &layout(),
                columns(list)};
    case List::Day:
        return {QStringLiteral("TfrmExpGiornaliere"),
                QStringLiteral(" Scadenze del giorno"),
                QStringLiteral("Scadenze_Giornaliere.xls"),
                QStringLiteral("Scadenze del giorno"),
                HelpPage::ScadenzeGiorniMesi,
                &layout(),
                columns(list)};
    case List::Month:
        break;
    }
    return {QStringLiteral("TfrmExpMensili"),
            QStringLiteral(" Scadenze del mese"),
            QStringLiteral("Scadenze_Mensili.xls"),
            QStringLiteral("Scadenze del mese"),
            HelpPage::ScadenzeGiorniMesi,
            &layout(),
            columns(list)};
}

} // namespace

bool isImminent(const QDate &date, int notice, const QDate &today)
{
    return date.addDays(-notice) <= today && today <= date;
}

std::optional<bool> isImminent(const char *record, const QDate &today)
{
    const std::optional<QDate> date = readDate(trimmedText(record, Data));
    bool ok = false;
    const int notice = trimmedText(record, Avviso).toInt(&ok);
    if (!date || !ok)
        return std::nullopt;
    return isImminent(*date, notice, today);
}

QByteArray key(const char *record)
{
    const RecordView view(layout(), record);
    return view.raw(Data).toByteArray().mid(3, 2) + view.raw(Giorno).toByteArray() +
           view.raw(OreApp).toByteArray() + view.raw(MinutiApp).toByteArray();
}

bool keeps(List list, const char *record, const QDate &date)
{
    switch (list) {
    case List::Imminent:
        return isImminent(record, date).value_or(false);
    case List::Day:
        return trimmedText(record, Data) == dayText(date);
    case List::Month:
        break;
    }
    const QString month = ScadenzarioRules::months().at(date.month() - 1).toLower();
    return trimmedText(record, Mese).toLower() == month && trimmedText(record, Anno) == yearText(date.year());
}

const ExportMember &member(List list)
{
    static const ExportMember imminent = makeMember(List::Imminent);
    static const ExportMember day = makeMember(List::Day);
    static const ExportMember month = makeMember(List::Month);
    return list == List::Imminent ? imminent : list == List::Day ? day : month;
}

QList<int> gridWidths(List list)
{
    return QList<int>{60} + columnWidths(list);
}

QList<YearFile> files(List list, const QDate &date, const QString &folder)
{
    const QDir dir(folder);
    QList<YearFile> result{
        {date.year(), dir.filePath(ScadenzarioRules::fileName(yearText(date.year()))), true}};
    if (list == List::Imminent) {
        const int next = date.year() + 1;
        result.append({next, dir.filePath(ScadenzarioRules::fileName(yearText(next))), false});
    }
    return result;
}

Rows build(List list, const QDate &date, const QList<YearFile> &sources)
{
    Rows rows{ExportTable(layout(), member(list).columns), {}};
    qint64 number = 0;
    for (const YearFile &file : sources) {
        if (!file.create && !QFileInfo(file.path).isFile())
            continue;
        try {
            Archive(file.path, layout().recordSize()).scan([&](qint64, const char *record) {
                if (keeps(list, record, date)) {
                    rows.table.append(++number, record);
                    rows.years.append(file.year);
                }
                return true;
            });
        } catch (const ArchiveError &) {
            // What was read stays listed; the other files are still read.
        }
    }

    const int keyColumn = rows.table.columnCount() - 1;
    QList<qint64> order(rows.table.rowCount());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qint64 a, qint64 b) {
        if (rows.years[a] != rows.years[b])
            return rows.years[a] < rows.years[b];
        return rows.table.storedCell(a, keyColumn) < rows.table.storedCell(b, keyColumn);
    });
    QList<int> years;
    for (qint64 from : std::as_const(order))
        years.append(rows.years[from]);
    rows.table.permute(order);
    rows.years = years;
    return rows;
}

bool anyImminent(const QDate &today, const QList<YearFile> &sources)
{
    bool found = false;
    for (const YearFile &file : sources) {
        if (found || (!file.create && !QFileInfo(file.path).isFile()))
            continue;
        try {
            Archive(file.path, layout().recordSize()).scan([&](qint64, const char *record) {
                found = isImminent(record, today).value_or(false);
                return !found;
            });
        } catch (const ArchiveError &) {
            // An unreadable file announces nothing more.
        }
    }
    return found;
}

} // namespace DeadlineLists
