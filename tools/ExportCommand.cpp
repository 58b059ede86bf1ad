#include "ToolCommands.h"
#include "core/Archive.h"
#include "services/ArchiveKinds.h"
#include "services/ExportMembers.h"

#include <QFileInfo>

using namespace ToolOutput;

int runExport(const QStringList &args)
{
    if (args.size() != 3) {
        err(QStringLiteral("usage: quadrivo-tool export KIND FILE OUT (KIND: %1)")
                .arg(ExportMembers::kindNames().join(QStringLiteral(", "))));
        return 2;
    }
    const QString &kind = args[0];
    const QString &file = args[1];
    const QString &out = args[2];
    const ExportMember *member = ExportMembers::forKind(kind);
    if (!member) {
        err(QStringLiteral("quadrivo-tool: unknown kind '%1' (expected %2)")
                .arg(kind, ExportMembers::kindNames().join(QStringLiteral(", "))));
        return 2;
    }
    // Checked first, so a mistyped path never leaves an empty archive behind.
    if (!QFileInfo(file).isFile()) {
        err(QStringLiteral("quadrivo-tool: no such file: %1").arg(file));
        return 2;
    }
    const RecordLayout *named = ArchiveKinds::layoutForFile(file);
    if (named && named != member->layout) {
        err(QStringLiteral("quadrivo-tool: %1 holds %2 records, not %3")
                .arg(QFileInfo(file).fileName(), named->typeName(), kind));
        return 2;
    }
    try {
        if (!ExportMembers::exportArchive(*member, Archive(file, member->layout->recordSize()), out)) {
            err(QStringLiteral("quadrivo-tool: cannot write %1").arg(out));
            return 2;
        }
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    return 0;
}
