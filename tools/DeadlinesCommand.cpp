#include "ToolCommands.h"
#include "deadlines/DeadlineLists.h"
#include "deadlines/ScadenzarioRules.h"

#include <QDir>
#include <QFileInfo>

using namespace ToolOutput;
using DeadlineLists::List;

namespace {

const QString kUsage = QStringLiteral(
    "usage: quadrivo-tool deadlines FILE.sca (--imminent|--day|--month) DD/MM/YYYY [--export OUT]");

std::optional<List> listFor(const QString &option)
{
    if (option == QStringLiteral("--imminent"))
        return List::Imminent;
    if (option == QStringLiteral("--day"))
        return List::Day;
    if (option == QStringLiteral("--month"))
        return List::Month;
    return std::nullopt;
}

// FILE and, for the imminent list, the next year's file beside it. Nothing is created: a missing
// file lists nothing.
QList<DeadlineLists::YearFile> sources(List list, const QString &file, const QDate &date)
{
    const QFileInfo info(file);
    const QString base = info.completeBaseName();
    bool named = base.size() == 4;
    const int year = named ? base.toInt(&named) : 0;
    QList<DeadlineLists::YearFile> result{{named ? year : date.year(), file, false}};
    if (list == List::Imminent && named) {
        const QString next = QStringLiteral("%1").arg(year + 1, 4, 10, QChar(u'0'));
        result.append({year + 1, info.dir().filePath(ScadenzarioRules::fileName(next)), false});
    }
    return result;
}

} // namespace

int runDeadlines(const QStringList &args)
{
    const bool exporting = args.size() == 5 && args[3] == QStringLiteral("--export");
    if (args.size() != 3 && !exporting) {
        err(kUsage);
        return 2;
    }
    const std::optional<List> list = listFor(args[1]);
    if (!list) {
        err(QStringLiteral("quadrivo-tool: unknown list '%1' (expected --imminent, --day or --month)")
                .arg(args[1]));
        return 2;
    }
    if (!ScadenzarioRules::isValidDate(args[2])) {
        err(QStringLiteral("quadrivo-tool: not a date in the form DD/MM/YYYY: %1").arg(args[2]));
        return 2;
    }
    const QDate date = QDate::fromString(args[2], QStringLiteral("dd/MM/yyyy"));
    if (QFileInfo(args[0]).isDir()) {
        err(QStringLiteral("quadrivo-tool: %1 is a folder, not a year file").arg(args[0]));
        return 2;
    }

    const DeadlineLists::Rows rows = DeadlineLists::build(*list, date, sources(*list, args[0], date));
    const ExportTable &table = rows.table;
    const int keyColumn = table.columnCount() - 1;
    for (qint64 row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int c = 0; c < keyColumn; ++c)
            cells.append(jsonString(table.text(row, c)));
        out(QStringLiteral("{\"n\": %1, \"key\": %2, \"year\": %3, \"cells\": [%4]}")
                .arg(table.number(row))
                .arg(jsonString(table.text(row, keyColumn)))
                .arg(rows.years[row])
                .arg(cells.join(QStringLiteral(", "))));
    }
    if (exporting) {
        const ExportMember &member = DeadlineLists::member(*list);
        if (!ExportMembers::saveFile(table, member.sheetName, args[4])) {
            err(QStringLiteral("quadrivo-tool: cannot write %1").arg(args[4]));
            return 2;
        }
    }
    return 0;
}
