#include "ToolCommands.h"
#include "core/Archive.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "reports/PdfFile.h"
#include "services/ArchiveKinds.h"
#include "services/CardPrintReport.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDateTime>
#include <QFileInfo>
#include <functional>

using namespace ToolOutput;

namespace {

// What a card shows beyond its record right after loading one: the deadline card shows the year
// of its file, typed on its start panel, in place of the record's own.
using ShownRecord = std::function<void(Record &, const QString &file)>;

// One row per kind of card the command prints.
struct PdfKind
{
    const char *name;
    const RecordLayout &(*layout)();
    ShownRecord shown;
};

const PdfKind kKinds[] = {
    {"customers", &Clienti::layout, {}},
    {"suppliers", &Fornitori::layout, {}},
    {"items", &Magazzino::layout, {}},
    {"deadlines", &Scadenzario::layout,
     [](Record &record, const QString &file) {
         record.setText(Scadenzario::Anno, QFileInfo(file).fileName().left(4));
     }},
};

const PdfKind *kindNamed(const QString &name)
{
    for (const PdfKind &kind : kKinds) {
        if (name == QLatin1StringView(kind.name))
            return &kind;
    }
    return nullptr;
}

int fail(const QString &reason)
{
    err(QStringLiteral("quadrivo-tool: ") + reason);
    return 2;
}

} // namespace

int runPdf(const QStringList &args)
{
    if (args.size() != 4)
        return fail(QStringLiteral("usage: quadrivo-tool pdf KIND FILE POS OUT.pdf"));
    const QString &kindName = args.at(0), &file = args.at(1), &out = args.at(3);
    const PdfKind *kind = kindNamed(kindName);
    const CardPrint::Layout *layout = CardPrint::layoutFor(kindName);
    if (!kind || !layout)
        return fail(QStringLiteral("unknown kind '%1' (expected customers, suppliers, items or deadlines)")
                        .arg(kindName));
    const RecordLayout *recordLayout = ArchiveKinds::layoutForFile(file);
    if (recordLayout != &kind->layout())
        return fail(QStringLiteral("'%1' is not an archive of %2").arg(QFileInfo(file).fileName(), kindName));
    if (!QFileInfo(file).isFile())
        return fail(QStringLiteral("no such file: %1").arg(file));
    bool number = false;
    const qint64 position = args.at(2).toLongLong(&number);
    if (!number || position < 1)
        return fail(QStringLiteral("POS must be a record position from 1, not '%1'").arg(args.at(2)));

    std::optional<Archive::Loaded> loaded;
    try {
        loaded = Archive(file, recordLayout->recordSize()).readAt(position);
    } catch (const ArchiveError &e) {
        return fail(QStringLiteral("cannot read the archive: %1").arg(e.detail()));
    }
    if (!loaded)
        return fail(QStringLiteral("no record at position %1 of %2").arg(position).arg(file));

    Record record = Record::decode(*recordLayout, loaded->bytes);
    if (kind->shown)
        kind->shown(record, file);
    const PreparedReport report = CardPrint::prepare(*layout, record, QDateTime::currentDateTime());
    if (!PdfFile::write(report, out))
        return fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}
