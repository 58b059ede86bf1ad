#include "ToolCommands.h"
#include "core/Archive.h"
#include "core/Record.h"
#include "core/TextField.h"
#include "services/ArchiveKinds.h"

#include <QFileInfo>

using namespace ToolOutput;

namespace {

// The layout for FILE, or nullptr after printing why (exit status 2).
const RecordLayout *layoutFor(const QStringList &args, const char *command)
{
    if (args.size() != 1) {
        err(QStringLiteral("usage: quadrivo-tool %1 FILE").arg(QLatin1StringView(command)));
        return nullptr;
    }
    const RecordLayout *layout = ArchiveKinds::layoutForFile(args.first());
    if (!layout) {
        err(QStringLiteral("quadrivo-tool: cannot tell the kind of archive from the name '%1' "
                           "(expected Clienti.pro, Fornitori.pro, Magazzino.pro, YYYY.pre or YYYY.sca)")
                .arg(QFileInfo(args.first()).fileName()));
        return nullptr;
    }
    if (!QFileInfo(args.first()).isFile()) {
        err(QStringLiteral("quadrivo-tool: no such file: %1").arg(args.first()));
        return nullptr;
    }
    return layout;
}

} // namespace

int runDump(const QStringList &args)
{
    const RecordLayout *layout = layoutFor(args, "dump");
    if (!layout)
        return 2;
    try {
        Archive(args.first(), layout->recordSize()).scan([&](qint64, const char *bytes) {
            const Record r = Record::decode(*layout, bytes);
            QString line = QStringLiteral("{");
            for (int i = 0; i < layout->fieldCount(); ++i) {
                if (i)
                    line += QStringLiteral(", ");
                line += jsonString(layout->name(i)) + QStringLiteral(": ") + jsonString(r.text(i));
            }
            out(line + u'}');
            return true;
        });
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    return 0;
}

int runVerify(const QStringList &args)
{
    const RecordLayout *layout = layoutFor(args, "verify");
    if (!layout)
        return 2;
    const qint64 size = QFileInfo(args.first()).size();
    const int r = layout->recordSize();
    qint64 records = 0;
    int problems = 0;
    try {
        Archive(args.first(), r).scan([&](qint64 position, const char *bytes) {
            ++records;
            for (int i = 0; i < layout->fieldCount(); ++i) {
                const char *field = bytes + layout->offset(i);
                if (TextField::lengthOverflows(field, layout->capacity(i))) {
                    ++problems;
                    out(QStringLiteral("record %1: field %2 has length byte %3 over its capacity %4")
                            .arg(position)
                            .arg(layout->name(i))
                            .arg(static_cast<unsigned char>(field[0]))
                            .arg(layout->capacity(i)));
                }
            }
            return true;
        });
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    const qint64 stray = size - records * r;
    out(QStringLiteral("%1: %2 records of %3 bytes (%4)")
            .arg(args.first())
            .arg(records)
            .arg(r)
            .arg(layout->typeName()));
    if (stray > 0) {
        ++problems;
        out(QStringLiteral("%1 stray bytes after the last whole record").arg(stray));
    }
    out(problems ? QStringLiteral("problems found: %1").arg(problems) : QStringLiteral("clean"));
    return problems ? 1 : 0;
}
