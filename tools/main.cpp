#include "ToolCommands.h"

#include <QByteArray>
#include <cerrno>
#include <cstring>
#include <unistd.h>

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
    "  pdf KIND FILE POS OUT.pdf\n"
    "                     write the card of the record at POS (from 1) as its card window prints\n"
    "                     it; KIND is customers, suppliers, items or deadlines\n"
    "  pdf quotes FILE.pre POS OUT.pdf [--logo FILE]\n"
    "                     write the quote at POS as the quote window prints it right after\n"
    "                     loading it, with Logo.bmp of the archive's folder (else the built-in\n"
    "                     logo) or the picture FILE\n"
    "  search KIND FILE [FIELD=TEXT]...\n"
    "                     list the records whose fields contain every TEXT, as the search window\n"
    "                     does: one JSON object per line with the record's position\n"
    "  export KIND FILE OUT\n"
    "                     write the spreadsheet file of an archive to OUT, as the export window\n"
    "                     does; KIND is customers, suppliers, items, quotes or deadlines\n"
    "  list NAME FILE     list the records a summary list shows, in its order: one JSON object per\n"
    "                     line with the record's position; NAME is recall-customers,\n"
    "                     recall-suppliers, under-stock, pending-quotes, to-confirm, to-pay or paid\n"
    "  inventory FILE [TYPE]\n"
    "                     list the items of a type (all items without TYPE) as the inventory does,\n"
    "                     then one object with the type, the total value, the count and the\n"
    "                     positions of the items whose value does not read\n"
    "  deadlines FILE.sca (--imminent|--day|--month) DD/MM/YYYY [--export OUT]\n"
    "                     list the imminent deadlines on that day (the next year's file beside\n"
    "                     FILE included), or the deadlines of that day or month, in date and time\n"
    "                     order: one JSON object per row; --export writes the list's spreadsheet\n"
    "                     file to OUT. Missing files list nothing and are not created\n"
    "  --help             this text\n"
    "\n"
    "Exit status: 0 clean, 1 something found (or a warning), 2 usage or access error.\n";

// The PDF commands draw, which needs the GUI libraries; every other command needs only QtCore.
// They live in a companion program beside this one, so that a search or a dump does not pay for
// loading the GUI stack on every start.
int runPdfCompanion(char *argv[])
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    QByteArray path = n > 0 ? QByteArray(self, n) : QByteArray(argv[0]);
    path = path.left(path.lastIndexOf('/') + 1) + "quadrivo-tool-pdf";
    ::execv(path.constData(), argv);
    ToolOutput::err(QStringLiteral("quadrivo-tool: cannot start %1: %2")
                        .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(std::strerror(errno))));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // No application object: the commands read and write files only, and starting one costs more
    // than a search of a small archive.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (args.isEmpty() || args.first() == QStringLiteral("--help") || args.first() == QStringLiteral("-h")) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("pdf"))
        return runPdfCompanion(argv);
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
    if (command == QStringLiteral("search"))
        return runSearch(args);
    if (command == QStringLiteral("list"))
        return runList(args);
    if (command == QStringLiteral("inventory"))
        return runInventory(args);
    if (command == QStringLiteral("deadlines"))
        return runDeadlines(args);
    ToolOutput::err(QStringLiteral("quadrivo-tool: unknown command '%1' (see --help)").arg(command));
    return 2;
}
