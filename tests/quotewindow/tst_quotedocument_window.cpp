// The quote window's print, preview and PDF: the three dialogs, what the document is filled from,
// the logo, the PDF file and its failures, and the tool printing a stored quote the same way.
#include "../reports/PdfText.h"
#include "QuoteWindowKit.h"
#include "ToolRun.h"
#include "WindowShot.h"
#include "quotes/DefaultLogo.h"
#include "quotes/QuoteOutputDialog.h"
#include "services/CardPrintCommands.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

using namespace QuoteWindowKit;
using namespace Preventivi;

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString shownText(const PreparedReport &report, const QString &name)
{
    const ReportItem *item = report.pages.value(0).find(name);
    return item ? item->text : QStringLiteral("<missing>");
}

// Types the three lines of the PDF test into the window and calculates.
void typeThreeLines(Fixture &f)
{
    type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi Mario"));
    type(f.edit(QStringLiteral("txtNumFatt")), QStringLiteral("12"));
    type(f.edit(QStringLiteral("txtData")), QStringLiteral("05/03/2024"));
    type(f.edit(QStringLiteral("txtPercIva")), QStringLiteral("22"));
    const struct
    {
        const char *quant, *codice, *desc, *prezzo, *sconto;
    } lines[] = {{"2", "ART-001", "Vite M6 zincata", "1,50", ""},
                 {"1", "SRV-10", "Montaggio in cantiere", "40", "10"},
                 {"3", "PZ-7", "Staffa angolare", "12,20", ""}};
    int line = 0;
    for (const auto &l : lines) {
        ++line;
        type(f.edit(QStringLiteral("txtQuant") + nn(line)), QString::fromUtf8(l.quant));
        type(f.edit(QStringLiteral("txtCodice") + nn(line)), QString::fromUtf8(l.codice));
        type(f.edit(QStringLiteral("txtDesc") + nn(line)), QString::fromUtf8(l.desc));
        type(f.edit(QStringLiteral("txtPrezzo") + nn(line)), QString::fromUtf8(l.prezzo));
        if (*l.sconto)
            type(f.edit(QStringLiteral("txtPercSconto") + nn(line)), QString::fromUtf8(l.sconto));
    }
    f.click(QStringLiteral("cmdCalcola"));
}

// Presses a command of the quote window and, in its dialog, `inside`.
void inDialogOf(Fixture &f, const QString &command, const std::function<void(QDialog *)> &inside)
{
    withNextModal([&] { f.click(command); }, inside);
}

void press(QDialog *dialog, const QString &button)
{
    WindowTestKit::find<QPushButton>(dialog, button)->click();
}

// A printer that refuses the job.
class BrokenPrinter : public RecordingReports
{
public:
    void print(QWidget *, const PreparedReport &) override
    {
        throw std::runtime_error("La stampante predefinita non risponde.");
    }
    void preview(QWidget *, const PreparedReport &) override
    {
        throw std::runtime_error("Memoria insufficiente per l'anteprima.");
    }
};

} // namespace

class TestQuoteDocumentWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }
    void dialogsOfTheThreeCommands_data();
    void dialogsOfTheThreeCommands();
    void documentIsWhatTheWindowShowsNotRecalculated();
    void logoIsReadWhenTheDialogIsShown_data();
    void logoIsReadWhenTheDialogIsShown();
    void pdfReadsBackAndIsReplaced();
    void pdfThatCannotBeWrittenKeepsTheOldFile();
    void printOrPreviewFailureIsToldAndTheDialogStays_data();
    void printOrPreviewFailureIsToldAndTheDialogStays();
    void toolPrintsAStoredQuoteAsTheWindowDoes();
    void toolRefusesWithOneLine_data();
    void toolRefusesWithOneLine();
};

void TestQuoteDocumentWindow::dialogsOfTheThreeCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("annulla"); // leave with "Annulla" instead of the action
    for (const bool annulla : {false, true}) {
        const char *how = annulla ? "Annulla" : "action";
        QTest::addRow("cmdStampa %s", how) << "cmdStampa"
                                           << "TfrmStampaPrev"
                                           << " Stampa preventivo"
                                           << "Stampa" << annulla;
        QTest::addRow("cmdAnteprima %s", how) << "cmdAnteprima"
                                              << "TfrmAnteprimaPrev"
                                              << " Anteprima di stampa"
                                              << "Mostra anteprima" << annulla;
        QTest::addRow("cmdPDF %s", how) << "cmdPDF"
                                        << "TfrmCrea_PDF_Prev"
                                        << " Esporta in PDF"
                                        << "Crea PDF" << annulla;
    }
}

void TestQuoteDocumentWindow::dialogsOfTheThreeCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QString, button);
    QFETCH(bool, annulla);
    Fixture f;
    QVERIFY(f.find<QAbstractButton>(command)->isEnabled());
    if (command == QStringLiteral("cmdPDF") && !annulla)
        f.messages().answerNext(true);
    bool seen = false;
    inDialogOf(f, command, [&](QDialog *d) {
        seen = true;
        QCOMPARE(d->objectName(), dialog);
        QCOMPARE(d->windowTitle(), caption);
        QCOMPARE(WindowTestKit::find<QPushButton>(d, QStringLiteral("btnStampa"))->text(), button);
        QCOMPARE(WindowTestKit::find<QPushButton>(d, QStringLiteral("btnAnnulla"))->text(),
                 QStringLiteral("Annulla"));
        QVERIFY(!WindowTestKit::find<QLabel>(d, QStringLiteral("lblTitolo"))->text().isEmpty());
        QVERIFY(!WindowTestKit::find<QLabel>(d, QStringLiteral("lblSpiegazione"))->text().isEmpty());
        WindowShot::keep(d, dialog);
        press(d, annulla ? QStringLiteral("btnAnnulla") : QStringLiteral("btnStampa"));
        QVERIFY(!d->isVisible()); // every action closes it, the PDF's after Yes
    });
    QVERIFY(seen);
    const RecordingReports &r = f.platform.reports;
    QCOMPARE(r.printed.size(), !annulla && command == QStringLiteral("cmdStampa") ? 1 : 0);
    QCOMPARE(r.previewed.size(), !annulla && command == QStringLiteral("cmdAnteprima") ? 1 : 0);
    QCOMPARE(r.pdfs.size(), !annulla && command == QStringLiteral("cmdPDF") ? 1 : 0);
    QCOMPARE(f.platform.shell.opened,
             !annulla && command == QStringLiteral("cmdPDF")
                 ? QStringList{u'"' + programFile(QStringLiteral("Preventivo.pdf")) + u'"'}
                 : QStringList());
}

void TestQuoteDocumentWindow::documentIsWhatTheWindowShowsNotRecalculated()
{
    Fixture f;
    typeThreeLines(f);
    const QString imponibile = f.text(QStringLiteral("txtTotImponibile"));
    QCOMPARE(imponibile, QStringLiteral("75,60"));
    // A price edited after "Calcola": its row prints the new text, the totals stay as calculated.
    f.edit(QStringLiteral("txtPrezzo01"))->setText(QStringLiteral("99,00"));
    type(f.edit(QStringLiteral("txtNote")), QStringLiteral("  Consegna in 10 giorni  "));
    inDialogOf(f, QStringLiteral("cmdStampa"), [](QDialog *d) { press(d, QStringLiteral("btnStampa")); });
    QCOMPARE(f.platform.reports.printed.size(), 1);
    const PreparedReport &report = f.platform.reports.printed.first();
    QCOMPARE(shownText(report, QStringLiteral("txtPrezzo01")), QStringLiteral("99,00"));
    QCOMPARE(shownText(report, QStringLiteral("txtImporto01")), f.text(QStringLiteral("txtImporto01")));
    QCOMPARE(shownText(report, QStringLiteral("txtTotImponibile")), imponibile);
    for (const QString &total : kTotals)
        QCOMPARE(shownText(report, total), f.text(total));
    QCOMPARE(shownText(report, QStringLiteral("txtPercIva")), QStringLiteral("22"));
    QCOMPARE(shownText(report, QStringLiteral("txtNote")), QStringLiteral("Note: Consegna in 10 giorni"));
    QCOMPARE(shownText(report, QStringLiteral("txtCliente")), QStringLiteral("Rossi Mario"));
    // Printing saved nothing.
    QCOMPARE(f.records(), 0);
}

void TestQuoteDocumentWindow::logoIsReadWhenTheDialogIsShown_data()
{
    QTest::addColumn<QString>("logoFile"); // written as Logo.bmp: "picture", "garbage" or none
    QTest::newRow("no Logo.bmp: the euro sign") << "";
    QTest::newRow("an unreadable Logo.bmp: the euro sign") << "garbage";
    QTest::newRow("the stored logo") << "picture";
}

void TestQuoteDocumentWindow::logoIsReadWhenTheDialogIsShown()
{
    QFETCH(QString, logoFile);
    Fixture f;
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(QColor(0x20, 0x90, 0x30));
    if (logoFile == QStringLiteral("picture"))
        QVERIFY(stored.save(f.folder.file(QStringLiteral("Logo.bmp")), "BMP"));
    else if (logoFile == QStringLiteral("garbage"))
        f.folder.write(QStringLiteral("Logo.bmp"), "not a bitmap");
    const QImage expected = logoFile == QStringLiteral("picture") ? stored : DefaultLogo::image();
    inDialogOf(f, QStringLiteral("cmdAnteprima"), [&](QDialog *d) {
        QCOMPARE(static_cast<QuoteOutputDialog *>(d)->logo().convertToFormat(QImage::Format_RGB32), expected);
        press(d, QStringLiteral("btnStampa"));
    });
    QCOMPARE(f.platform.reports.previewed.size(), 1);
    const ReportItem *logo =
        f.platform.reports.previewed.first().pages.first().find(QStringLiteral("imgLogo"));
    QVERIFY(logo);
    QCOMPARE(logo->picture.convertToFormat(QImage::Format_RGB32), expected);
}

void TestQuoteDocumentWindow::pdfReadsBackAndIsReplaced()
{
    Fixture f;
    typeThreeLines(f);
    const QString pdf = f.folder.file(QStringLiteral("Preventivo.pdf"));
    int asked = 0;
    inDialogOf(f, QStringLiteral("cmdPDF"), [&](QDialog *d) {
        // No keeps the dialog open; pressing again rewrites the file and asks again.
        for (const bool yes : {false, true}) {
            f.messages().answerNext(yes);
            press(d, QStringLiteral("btnStampa"));
            asked = int(f.messages().questions.size());
            QCOMPARE(d->isVisible(), !yes);
        }
    });
    QCOMPARE(asked, 2);
    QCOMPARE(f.messages().questions.first(), u("L'esportazione della scheda in PDF \u00E8 terminata con "
                                               "successo.\r\n\r\nSi vuole aprire il file?"));
    QCOMPARE(f.platform.shell.opened, QStringList{u'"' + pdf + u'"'});

    const QStringList lines = PdfText::lines(pdf);
    const QStringList expected = {
        QStringLiteral("Preventivo n. 12"),
        QStringLiteral("Data emissione: 05/03/2024"),
        QStringLiteral("Rossi Mario"),
        QStringLiteral("Quant. Codice art. Descrizione Prezzo % Sc. Imp. tot."),
        QStringLiteral("2 ART-001 Vite M6 zincata 1,50 3,00"),
        QStringLiteral("1 SRV-10 Montaggio in cantiere 40,00 10 36,00"),
        QStringLiteral("3 PZ-7 Staffa angolare 12,20 36,60"),
        QStringLiteral("TOT. IMPONIBILE % IVA TOT. IMPOSTA TOT. IVA INCLUSA TOT. ESENTE TOT. PREVENTIVO"),
        QStringLiteral("75,60 22 16,63 92,23 0,00 92,23"),
        QStringLiteral("Destinazione merce: Vettore:"),
        QStringLiteral("CONTRIBUTI CONAI E SIAE ASSOLTI OVE DOVUTO."),
    };
    qsizetype at = -1;
    for (const QString &line : expected) { // in reading order, each on a line of its own
        const qsizetype found = lines.indexOf(line, at + 1);
        QVERIFY2(found > at, qPrintable(line + QStringLiteral("\n in \n") + lines.join(u'\n')));
        at = found;
    }
    // The amounts end at the right edge of their column: the same column in every row.
    QList<qsizetype> ends;
    for (const QString &line : PdfText::text(pdf).split(u'\n')) {
        if (line.contains(QStringLiteral("ART-001")) || line.contains(QStringLiteral("SRV-10")) ||
            line.contains(QStringLiteral("PZ-7")))
            ends << line.trimmed().size() + line.indexOf(line.trimmed());
    }
    QCOMPARE(ends.size(), 3);
    QCOMPARE(ends.at(1), ends.at(0));
    QCOMPARE(ends.at(2), ends.at(0));
    const QString info = PdfText::info(pdf);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Fattura\\n"))), qPrintable(info));
    // The subject travels in the document's metadata stream.
    const QString meta = PdfText::run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf});
    QVERIFY2(meta.contains(QStringLiteral("<pdf:Subject>Fattura</pdf:Subject>")), qPrintable(meta));
    if (!qEnvironmentVariableIsEmpty("QUADRIVO_SHOTS"))
        QFile::copy(pdf,
                    QDir(qEnvironmentVariable("QUADRIVO_SHOTS")).filePath(QStringLiteral("Preventivo.pdf")));

    // A second quote replaces the first.
    f.click(QStringLiteral("cmdNuovo"));
    type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Bianchi Anna"));
    inDialogOf(f, QStringLiteral("cmdPDF"), [&](QDialog *d) {
        f.messages().answerNext(false);
        press(d, QStringLiteral("btnStampa"));
    });
    const QString text = PdfText::text(pdf);
    QVERIFY(text.contains(QStringLiteral("Bianchi Anna")));
    QVERIFY(!text.contains(QStringLiteral("Rossi")));
    QCOMPARE(QDir(f.folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files),
             QStringList{QStringLiteral("Preventivo.pdf")});
}

void TestQuoteDocumentWindow::pdfThatCannotBeWrittenKeepsTheOldFile()
{
    Fixture f;
    type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Prima Srl"));
    const QString pdf = f.folder.file(QStringLiteral("Preventivo.pdf"));
    inDialogOf(f, QStringLiteral("cmdPDF"), [&](QDialog *d) {
        f.messages().answerNext(false);
        press(d, QStringLiteral("btnStampa"));
    });
    const QByteArray before = readAll(pdf);
    QVERIFY(before.size() > 4096);
    f.messages().clear();
    f.edit(QStringLiteral("txtCliente"))->setText(QStringLiteral("Seconda Srl"));

    bool open = false;
    inDialogOf(f, QStringLiteral("cmdPDF"), [&](QDialog *d) {
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 4096; // the disk fills up
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        press(d, QStringLiteral("btnStampa")); // no answer scripted: a question would abort
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        open = d->isVisible();
    });
    QVERIFY(open);
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown.first().kind, MessageKind::Warning);
    QCOMPARE(f.messages().lastText(), CardPrint::pdfFailureWarning());
    QVERIFY(f.messages().questions.isEmpty());
    QCOMPARE(readAll(pdf), before);
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("Preventivo")),
             QStringList{QStringLiteral("Preventivo.pdf")});
}

void TestQuoteDocumentWindow::printOrPreviewFailureIsToldAndTheDialogStays_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reason");
    QTest::newRow("print") << "cmdStampa"
                           << "La stampante predefinita non risponde.";
    QTest::newRow("preview") << "cmdAnteprima"
                             << "Memoria insufficiente per l'anteprima.";
}

void TestQuoteDocumentWindow::printOrPreviewFailureIsToldAndTheDialogStays()
{
    QFETCH(QString, command);
    QFETCH(QString, reason);
    Fixture f;
    BrokenPrinter broken;
    Environment e = Environment::current();
    e.reports = &broken;
    Environment::install(e);
    bool open = false;
    inDialogOf(f, command, [&](QDialog *d) {
        press(d, QStringLiteral("btnStampa"));
        open = d->isVisible();
    });
    e.reports = &f.platform.reports;
    Environment::install(e);
    QVERIFY(open);
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown.first().kind, MessageKind::Warning);
    QCOMPARE(f.messages().lastText(), reason);
}

void TestQuoteDocumentWindow::toolPrintsAStoredQuoteAsTheWindowDoes()
{
    // Stored totals that no calculation of these lines gives: both must print them as stored.
    Texts texts = {{txtNumFatt, "8"},   {txtData, "10/02/2024"},    {txtCliente, "Verdi Srl"},
                   {txtIvaCliente, ""}, {txtPagamento, "Contanti"}, {memMarca, "Vettore Rapido"},
                   {memTarga, "4"}};
    texts << storedLine(1, "2", "10,00", "20,00") << storedLine(2, "1", "5,00", "5,00", "", u("S\u00EC"))
          << storedTotals("22", {"99,99", "1,11", "101,10", "5,00", "106,10"});
    Record stored = quote(texts);
    stored.setText(lineField(Column::Desc, 1), QStringLiteral("Tubo rame 12 mm"));
    Record other = quote({{txtNumFatt, "7"}, {txtCliente, "Primo Cliente"}});
    Fixture f({}, other.encode() + stored.encode());
    QImage logo(60, 30, QImage::Format_RGB32);
    logo.fill(QColor(0xC0, 0x20, 0x20));
    QVERIFY(logo.save(f.folder.file(QStringLiteral("Logo.bmp")), "BMP"));

    f.click(QStringLiteral("cmdUltimo"));
    QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("Verdi Srl"));
    inDialogOf(f, QStringLiteral("cmdPDF"), [&](QDialog *d) {
        f.messages().answerNext(false);
        press(d, QStringLiteral("btnStampa"));
    });
    const QString fromWindow = f.folder.file(QStringLiteral("Preventivo.pdf"));
    const QString fromTool = f.folder.file(QStringLiteral("tool.pdf"));
    const ToolRun run = runTool(
        {QStringLiteral("pdf"), QStringLiteral("quotes"), f.yearPath(), QStringLiteral("2"), fromTool});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(PdfText::text(fromTool), PdfText::text(fromWindow));
    QVERIFY(PdfText::text(fromTool).contains(QStringLiteral("99,99")));
    // The same pages, logo included: the pictures of both files are alike.
    const PreparedReport &report = f.platform.reports.pdfs.first();
    QCOMPARE(
        report.pages.first().find(QStringLiteral("imgLogo"))->picture.convertToFormat(QImage::Format_RGB32),
        logo);
}

void TestQuoteDocumentWindow::toolRefusesWithOneLine_data()
{
    QTest::addColumn<QStringList>("args"); // YEAR stands for the year file, OUT for the PDF
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such position")
        << QStringList{"quotes", "YEAR", "3", "OUT"} << "no record at position 3";
    QTest::newRow("position zero") << QStringList{"quotes", "YEAR", "0", "OUT"} << "POS must be";
    QTest::newRow("a customer archive")
        << QStringList{"quotes", "Clienti.pro", "1", "OUT"} << "is not an archive of quotes";
    QTest::newRow("missing year") << QStringList{"quotes", "1999.pre", "1", "OUT"} << "no such file";
    QTest::newRow("unreadable logo") << QStringList{"quotes", "YEAR", "1", "OUT", "--logo", "YEAR"}
                                     << "cannot read the logo";
    QTest::newRow("logo without file")
        << QStringList{"quotes", "YEAR", "1", "OUT", "--logo"} << "--logo needs";
    QTest::newRow("logo for a card") << QStringList{"customers", "Clienti.pro", "1", "OUT", "--logo", "x.bmp"}
                                     << "quotes only";
}

void TestQuoteDocumentWindow::toolRefusesWithOneLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    TestFolder folder;
    folder.write(QStringLiteral("2024.pre"),
                 quote({{txtCliente, "Uno"}}).encode() + quote({{txtCliente, "Due"}}).encode());
    QStringList full{QStringLiteral("pdf")};
    for (const QString &a : args) {
        if (a == QStringLiteral("YEAR"))
            full << folder.file(QStringLiteral("2024.pre"));
        else if (a == QStringLiteral("OUT"))
            full << folder.file(QStringLiteral("out.pdf"));
        else if (a.endsWith(QStringLiteral(".pre")) || a.endsWith(QStringLiteral(".pro")))
            full << folder.file(a);
        else
            full << a;
    }
    const ToolRun run = runTool(full);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(reason.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("out.pdf"))));
}

QTEST_MAIN(TestQuoteDocumentWindow)
#include "tst_quotedocument_window.moc"
