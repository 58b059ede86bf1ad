#include "ToolCommands.h"
#include "core/Archive.h"
#include "core/Record.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/QuoteTotals.h"

#include <QFileInfo>

using namespace ToolOutput;

namespace {

// One quote: what the window shows after "Calcola" on it as loaded, and whether the record
// holds exactly that.
QString totalsLine(qint64 position, const Record &stored, bool *matches)
{
    const QuoteTotals::Figures loaded = QuoteTotals::fromRecord(stored);
    const QuoteTotals::Figures shown = QuoteTotals::calcola(loaded).figures;
    const QuoteTotals::Totals &t = shown.totals;
    const QuoteTotals::Totals &s = loaded.totals;

    QString line = QStringLiteral("{\"pos\": %1").arg(position);
    bool same = true;
    auto add = [&](const QString &name, const QString &value, const QString &storedValue) {
        line += QStringLiteral(", ") + jsonString(name) + QStringLiteral(": ") + jsonString(value);
        same = same && value == storedValue;
    };
    for (int i = 0; i < QuoteTotals::kLines; ++i) {
        add(QStringLiteral("txtImporto%1").arg(i + 1, 2, 10, QChar(u'0')), shown.lines[size_t(i)].importo,
            loaded.lines[size_t(i)].importo);
    }
    add(QStringLiteral("txtPercIva"), shown.percIva, loaded.percIva);
    add(QStringLiteral("txtTotImponibile"), t.imponibile, s.imponibile);
    add(QStringLiteral("txtTotImposta"), t.imposta, s.imposta);
    add(QStringLiteral("txtTotIva"), t.iva, s.iva);
    add(QStringLiteral("txtTotEsente"), t.esente, s.esente);
    add(QStringLiteral("txtTotFattura"), t.fattura, s.fattura);
    line += same ? QStringLiteral(", \"matches\": true}") : QStringLiteral(", \"matches\": false}");
    *matches = same;
    return line;
}

} // namespace

int runTotals(const QStringList &args)
{
    if (args.size() != 1) {
        err(QStringLiteral("usage: quadrivo-tool totals FILE.pre"));
        return 2;
    }
    const QString path = args.first();
    const QFileInfo info(path);
    if (!info.fileName().endsWith(QStringLiteral(".pre"), Qt::CaseInsensitive)) {
        err(QStringLiteral(
                "quadrivo-tool: '%1' is not a year file of quotes (expected a name such as 2024.pre)")
                .arg(info.fileName()));
        return 2;
    }
    // Checked first: opening a missing archive would create it.
    if (!info.isFile()) {
        err(QStringLiteral("quadrivo-tool: no such file: %1").arg(path));
        return 2;
    }
    const RecordLayout &layout = Preventivi::layout();
    bool allMatch = true;
    try {
        Archive(path, layout.recordSize()).scan([&](qint64 position, const char *bytes) {
            bool matches = false;
            out(totalsLine(position, Record::decode(layout, bytes), &matches));
            allMatch = allMatch && matches;
            return true;
        });
    } catch (const ArchiveError &e) {
        err(QStringLiteral("quadrivo-tool: cannot read the archive: %1").arg(e.detail()));
        return 2;
    }
    return allMatch ? 0 : 1;
}
