#include "ToolCommands.h"

#include <QCoreApplication>

namespace {

const char kHelp[] =
    "quadrivo-tool: command-line companion of Quadrivo.\n"
    "\n"
    "Usage: quadrivo-tool COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  dump FILE          print every record of an archive as one JSON object per line; the kind\n"
    "                     of record follows from the file name (Clienti.pro, Fornitori.pro,\n"
    "                     Magazzino.pro, YYYY.pre, YYYY.sca)\n"
    "  verify FILE        report the record count, stray bytes after the last record and every\n"
    "                     field whose length byte exceeds its capacity\n"
    "  check KIND TEXT    check an identifier; KIND is codfisc, partitaiva, carta or iban\n"
    "  totals FILE.pre    recompute the totals of every quote of a year file and compare them\n"
    "                     with the stored ones\n"
    "  export KIND FILE OUT\n"
    "                     write the spreadsheet file of an archive to OUT, as the export window\n"
    "                     does; KIND is customers, suppliers, items, quotes or deadlines\n"
    "  --help             this text\n"
    "\n"
    "Exit status: 0 clean, 1 something found (or a warning), 2 usage or access error.\n";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h")) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("dump"))
        return runDump(args);
    if (command == QStringLiteral("verify"))
        return runVerify(args);
    if (command == QStringLiteral("check"))
        return runCheck(args);
    if (command == QStringLiteral("totals"))
        return runTotals(args);
    if (command == QStringLiteral("export"))
        return runExport(args);
    ToolOutput::err(QStringLiteral("quadrivo-tool: unknown command '%1' (see --help)").arg(command));
    return 2;
}
