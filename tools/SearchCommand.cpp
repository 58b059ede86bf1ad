#include "ToolCommands.h"
#include "core/ArchiveError.h"
#include "services/ArchiveKinds.h"
#include "services/ListService.h"

#include <QFileInfo>

using namespace ToolOutput;

namespace {

const QString kUsage = QStringLiteral("usage: quadrivo-tool search KIND FILE [FIELD=TEXT]...");

// The criterion for FIELD=TEXT, or nullopt after printing why.
std::optional<ListService::Criterion> criterionOf(const ArchiveKind &kind, const QString &arg)
{
    const qsizetype eq = arg.indexOf(u'=');
    const QString name = eq < 0 ? arg : arg.left(eq);
    QStringList known;
    for (const SearchCriterion &c : kind.search.criteria) {
        const QString field = kind.layout->name(c.field);
        if (eq > 0 && field == name)
            return ListService::Criterion{c.field, arg.mid(eq + 1)};
        known << field;
    }
    err(QStringLiteral("quadrivo-tool: unknown search field '%1' for %2 (one of %3)")
            .arg(name, kind.name, known.join(QStringLiteral(", "))));
    return std::nullopt;
}

} // namespace

int runSearch(const QStringList &args)
{
    if (args.size() < 2) {
        err(kUsage);
        return 2;
    }
    const ArchiveKind *kind = ArchiveKinds::byName(args[0]);
    if (!kind) {
        err(QStringLiteral(
                "quadrivo-tool: unknown kind '%1' (customers, suppliers, items, deadlines or quotes)")
                .arg(args[0]));
        return 2;
    }
    const QString &file = args[1];
    std::vector<ListService::Criterion> criteria;
    for (const QString &arg : args.mid(2)) {
        const auto criterion = criterionOf(*kind, arg);
        if (!criterion)
            return 2;
        criteria.push_back(*criterion);
    }
    if (QFileInfo(file).isDir()) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1 is a folder").arg(file));
        return 2;
    }

    ListText::Lines lines;
    try {
        lines = ListService::search(*kind, file, criteria, ListService::Missing::Empty);
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    printLines(lines);
    return std::fflush(stdout) == 0 ? 0 : 2;
}
