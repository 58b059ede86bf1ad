#include "ToolCommands.h"
#include "core/ArchiveError.h"
#include "services/SummaryLists.h"
#include "warehouse/Inventory.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFileInfo>
#include <cstdio>

using namespace ToolOutput;

namespace {

QString listNames()
{
    QStringList names;
    for (const SummaryLists::Member &m : SummaryLists::all())
        names << m.list->name;
    return names.join(QStringLiteral(", "));
}

// A folder or an unreadable file gives the reason; a missing archive is an empty list.
bool readable(const QString &file)
{
    if (QFileInfo(file).isDir()) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1 is a folder").arg(file));
        return false;
    }
    return true;
}

} // namespace

int runList(const QStringList &args)
{
    if (args.size() != 2) {
        err(QStringLiteral("usage: quadrivo-tool list NAME FILE (NAME one of %1)").arg(listNames()));
        return 2;
    }
    const SummaryLists::Member member = SummaryLists::byName(args[0]);
    if (!member.list) {
        err(QStringLiteral("quadrivo-tool: unknown list '%1' (one of %2)").arg(args[0], listNames()));
        return 2;
    }
    if (!readable(args[1]))
        return 2;
    ListText::Lines lines;
    try {
        lines =
            SummaryLists::collect(*member.list, *member.kind->layout, args[1], ListService::Missing::Empty);
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    printLines(lines);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

int runInventory(const QStringList &args)
{
    if (args.size() < 1 || args.size() > 2) {
        err(QStringLiteral("usage: quadrivo-tool inventory FILE [TYPE]"));
        return 2;
    }
    if (!readable(args[0]))
        return 2;
    Inventory::Result result;
    try {
        result = Inventory::build(args[0], args.value(1), false);
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    printLines(result.lines);
    QStringList unreadable;
    for (qint64 position : result.unreadable)
        unreadable << QString::number(position);
    out(QStringLiteral("{\"type\": %1, \"total\": %2, \"count\": %3, \"unreadable\": [%4]}")
            .arg(jsonString(result.selectedType), jsonString(result.total))
            .arg(result.lines.size())
            .arg(unreadable.join(QStringLiteral(", "))));
    return std::fflush(stdout) == 0 ? 0 : 2;
}
