#include "ToolCommands.h"
#include "core/Archive.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/DefaultLogo.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/QuoteDocument.h"
#include "reports/PdfFile.h"
#include "services/ArchiveKinds.h"
#include "services/CardPrintReport.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDateTime>
#include <QDir>
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

// The record at the position given as text, or the reason it cannot be read.
std::optional<Record> readRecord(const RecordLayout &layout, const QString &file, const QString &pos,
                                 QString &reason)
{
    if (!QFileInfo(file).isFile()) {
        reason = QStringLiteral("no such file: %1").arg(file);
        return std::nullopt;
    }
    bool number = false;
    const qint64 position = pos.toLongLong(&number);
    if (!number || position < 1) {
        reason = QStringLiteral("POS must be a record position from 1, not '%1'").arg(pos);
        return std::nullopt;
    }
    std::optional<Archive::Loaded> loaded;
    try {
        loaded = Archive(file, layout.recordSize()).readAt(position);
    } catch (const ArchiveError &e) {
        reason = QStringLiteral("cannot read the archive: %1").arg(e.detail());
        return std::nullopt;
    }
    if (!loaded) {
        reason = QStringLiteral("no record at position %1 of %2").arg(position).arg(file);
        return std::nullopt;
    }
    return Record::decode(layout, loaded->bytes);
}

// A stored quote as the quote window prints it right after loading it: the stored texts and
// totals as they are, with the logo of the archive's folder unless one is given.
int quotePdf(const QString &file, const QString &pos, const QString &out, const QString &logoFile)
{
    if (ArchiveKinds::layoutForFile(file) != &Preventivi::layout())
        return fail(QStringLiteral("'%1' is not an archive of quotes").arg(QFileInfo(file).fileName()));
    QImage logo;
    if (logoFile.isEmpty()) {
        logo = LogoFile::loadFrom(QFileInfo(file).absoluteDir().filePath(QStringLiteral("Logo.bmp")));
    } else {
        logo = QImage(logoFile);
        if (logo.isNull())
            return fail(QStringLiteral("cannot read the logo picture %1").arg(logoFile));
    }
    QString reason;
    const std::optional<Record> record = readRecord(Preventivi::layout(), file, pos, reason);
    if (!record)
        return fail(reason);
    if (!PdfFile::write(QuoteDocument::prepare(*record, logo, QuoteDocument::Output::Pdf), out))
        return fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}

} // namespace

int runPdf(const QStringList &given)
{
    QStringList args = given;
    QString logoFile;
    const qsizetype logoAt = args.indexOf(QStringLiteral("--logo"));
    if (logoAt >= 0) {
        if (logoAt + 1 >= args.size())
            return fail(QStringLiteral("--logo needs a picture file"));
        logoFile = args.at(logoAt + 1);
        args.remove(logoAt, 2);
    }
    if (args.size() != 4)
        return fail(QStringLiteral("usage: quadrivo-tool pdf KIND FILE POS OUT.pdf [--logo FILE]"));
    const QString &kindName = args.at(0), &file = args.at(1), &out = args.at(3);
    if (kindName == QStringLiteral("quotes"))
        return quotePdf(file, args.at(2), out, logoFile);
    if (!logoFile.isEmpty())
        return fail(QStringLiteral("--logo is for quotes only"));
    const PdfKind *kind = kindNamed(kindName);
    const CardPrint::Layout *layout = CardPrint::layoutFor(kindName);
    if (!kind || !layout)
        return fail(
            QStringLiteral("unknown kind '%1' (expected customers, suppliers, items, quotes or deadlines)")
                .arg(kindName));
    const RecordLayout *recordLayout = ArchiveKinds::layoutForFile(file);
    if (recordLayout != &kind->layout())
        return fail(QStringLiteral("'%1' is not an archive of %2").arg(QFileInfo(file).fileName(), kindName));
    QString reason;
    std::optional<Record> record = readRecord(*recordLayout, file, args.at(2), reason);
    if (!record)
        return fail(reason);
    if (kind->shown)
        kind->shown(*record, file);
    const PreparedReport report = CardPrint::prepare(*layout, *record, QDateTime::currentDateTime());
    if (!PdfFile::write(report, out))
        return fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}
