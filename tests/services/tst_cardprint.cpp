#include "../cards/CardKinds.h"
#include "../reports/PdfText.h"
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "reports/CardReport.h"
#include "reports/ReportPainter.h"
#include "services/CardPrintCommands.h"

#include <QCheckBox>
#include <QDir>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace WindowTestKit;

namespace {

// Row number, label and value expected on the printed card.
struct Expected
{
    int row;
    QString label;
    QString value;
};
using ExpectedRows = QList<Expected>;
using Checks = QStringList; // check boxes to tick, by field name

struct Card
{
    TestFolder folder;
    FakePlatform platform;
    CardKind kind;
    std::unique_ptr<CardWindow> window;

    explicit Card(const QString &name) : kind(cardKind(name)), window(kind.make())
    {
        useProgramLook();
        showActive(window.get());
        kind.open(window.get());
        platform.messages.clear();
    }
    void tick(const QString &field)
    {
        qobject_cast<QCheckBox *>(window->control(window->recordLayout().indexOf(field)))->setChecked(true);
    }
    QString pdf(const QString &name) const { return folder.file(name); }
};

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(ExpectedRows)

class TestCardPrint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsWhatTheCardShows_data();
    void printsWhatTheCardShows();
    void commandsOfEachCard_data();
    void commandsOfEachCard();
    void pdfReadsBackInOrderAndIsReplaced();
    void pdfThatCannotBeWrittenIsNeverASuccess_data();
    void pdfThatCannotBeWrittenIsNeverASuccess();
};

void TestCardPrint::printsWhatTheCardShows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<Checks>("checks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<ExpectedRows>("rows");

    QTest::newRow("new customer, not saved")
        << "clienti"
        << Texts{{"Cognome", "Rossi"},
                 {"Nome", "Mario"},
                 {"ComuneRes", "Napoli"},
                 {"ProvRes", "NA"},
                 {"Carta", "4111111111111111"},
                 {"ScadeCarta", "12/27"},
                 {"DataRil", "01/02/2020"},
                 {"DataSca", "01/02/2030"},
                 {"Note", "  con blank intorno  "}}
        << Checks{} << "SCHEDA ANAGRAFICA CLIENTE"
        << ExpectedRows{{1, "Cognome e nome:", "Rossi Mario"},
                        {7, "Comune di residenza:", "Napoli NA"},
                        {16, "Carta di credito:", "N. 4111111111111111  -  Scadenza: 12/27"},
                        {21, "Data di rilascio:", "01/02/2020  -  Scadenza: 01/02/2030"},
                        {24, "Note:", "con blank intorno"}};
    QTest::newRow("customer with a surname only and no card data")
        << "clienti" << Texts{{"Cognome", "Bianchi"}} << Checks{} << "SCHEDA ANAGRAFICA CLIENTE"
        << ExpectedRows{{1, "Cognome e nome:", "Bianchi "},
                        {3, "Comune di nascita:", " "},
                        {16, "Carta di credito:", "N.   -  Scadenza: "},
                        {22, "Prodotti e servizi:", ""}};
    QTest::newRow("supplier to call back")
        << "fornitori" << Texts{{"Ditta", "Carta & Penna Srl"}, {"ProvRes", "MI"}, {"Carta", "5500"}}
        << Checks{"Ricontatta"} << "SCHEDA ANAGRAFICA FORNITORE"
        << ExpectedRows{{1, "Denominazione Ditta:", "Carta & Penna Srl"},
                        {6, "Provincia:", "MI"},
                        {16, "Carta di credito n.", "5500"},
                        {23, "Da ricontattare:", u("S\u00EC")},
                        {24, "Note:", ""}};
    QTest::newRow("item with its figures as shown")
        << "magazzino"
        << Texts{{"Codice", "ART-1"}, {"Costo", "10,00"},   {"Giacenza", "2"},          {"Valore", "20,00"},
                 {"PercIva", "22"},   {"Sottoscorta", "3"}, {"Prezzo_con_Iva", "18,30"}}
        << Checks{} << "SCHEDA ARTICOLO"
        << ExpectedRows{{1, "Codice articolo:", "ART-1"},
                        {14, "Valore (costo x giacenza):", "20,00"},
                        {15, "Preavviso sottoscorta:", "3 pezzi rimasti"},
                        {17, "Aliquota IVA:", "22"},
                        {18, "Prezzo con IVA:", "18,30"}};
    QTest::newRow("empty deadline card")
        << "scadenzario" << Texts{} << Checks{} << "SCHEDA SCADENZA O APPUNTAMENTO"
        << ExpectedRows{{1, "Data scadenza:", "  2024"},
                        {2, "Ora appuntamento:", "00:00"},
                        {16, "Importo in euro:", "0,00"},
                        {19, "Appuntamento da confermare:", "No"},
                        {20, "Pagamento effettuato:", "No"},
                        {21, " ", " "},
                        {24, " ", " "}};
    QTest::newRow("deadline with date, time and flags")
        << "scadenzario"
        << Texts{{"Giorno", "05"},
                 {"Mese", "Marzo"},
                 {"OreApp", "09"},
                 {"MinutiApp", "30"},
                 {"Pagatore", "Rossi"}}
        << Checks{"DaConfermare"} << "SCHEDA SCADENZA O APPUNTAMENTO"
        << ExpectedRows{{1, "Data scadenza:", "05 Marzo 2024"},
                        {2, "Ora appuntamento:", "09:30"},
                        {4, "Cognome e nome contatto:", "Rossi"},
                        {19, "Appuntamento da confermare:", u("S\u00EC")},
                        {20, "Pagamento effettuato:", "No"}};
}

void TestCardPrint::printsWhatTheCardShows()
{
    QFETCH(QString, kind);
    QFETCH(Texts, texts);
    QFETCH(Checks, checks);
    QFETCH(QString, title);
    QFETCH(ExpectedRows, rows);
    Card card(kind);
    card.platform.clock.value = QDateTime(QDate(2024, 3, 5), QTime(8, 7, 6));
    fill(card.window.get(), texts);
    for (const QString &field : checks)
        card.tick(field);

    click(card.window.get(), QStringLiteral("cmdStampa"));
    QCOMPARE(card.platform.reports.printed.size(), 1);
    const PreparedReport &report = card.platform.reports.printed.first();
    QCOMPARE(report.pages.size(), 1);
    QCOMPARE(report.orientation, QPageLayout::Portrait);
    const ReportPage &page = report.pages.first();
    QCOMPARE(page.find(QStringLiteral("txtTitolo"))->text, title);
    QCOMPARE(page.find(QStringLiteral("txtCalce"))->text,
             QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 08:07:06"));
    for (int r = 1; r <= 20; ++r) // every row of every card is labelled
        QVERIFY(!page.find(CardReport::labelName(r))->text.trimmed().isEmpty());
    for (const Expected &e : rows) {
        QCOMPARE(page.find(CardReport::labelName(e.row))->text, e.label);
        QCOMPARE(page.find(CardReport::valueName(e.row))->text, e.value);
    }
    // What printing got is what the card still shows: nothing was saved or changed.
    QVERIFY(!QFile::exists(card.folder.file(card.kind.file())) ||
            QFileInfo(card.folder.file(card.kind.file())).size() == 0);
    if (!qEnvironmentVariableIsEmpty("QUADRIVO_SHOTS"))
        ReportPainter::pageImage(report, 0, 1240)
            .save(QDir(qEnvironmentVariable("QUADRIVO_SHOTS"))
                      .filePath(QStringLiteral("card-%1.png").arg(kind)));
}

void TestCardPrint::commandsOfEachCard_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output"); // printed, previewed, pdf or none (no such button)
    QTest::addColumn<QString>("pdfFile");
    for (const char *kind : {"clienti", "fornitori"}) {
        const QString pdf =
            QLatin1StringView(kind) == QLatin1StringView("clienti") ? "Cliente.pdf" : "Fornitore.pdf";
        QTest::addRow("%s cmdStampa", kind) << kind << "cmdStampa"
                                            << "printed"
                                            << "";
        QTest::addRow("%s cmdAnteprima", kind) << kind << "cmdAnteprima"
                                               << "previewed"
                                               << "";
        QTest::addRow("%s cmdPDF", kind) << kind << "cmdPDF"
                                         << "pdf" << pdf;
    }
    QTest::newRow("magazzino cmdStampa") << "magazzino"
                                         << "cmdStampa"
                                         << "printed"
                                         << "";
    QTest::newRow("magazzino has no preview") << "magazzino"
                                              << "cmdAnteprima"
                                              << "none"
                                              << "";
    QTest::newRow("magazzino cmdPDF") << "magazzino"
                                      << "cmdPDF"
                                      << "pdf"
                                      << "Articolo.pdf";
    QTest::newRow("scadenzario cmdStampa") << "scadenzario"
                                           << "cmdStampa"
                                           << "printed"
                                           << "";
    QTest::newRow("scadenzario cmdImporta previews") << "scadenzario"
                                                     << "cmdImporta"
                                                     << "previewed"
                                                     << "";
    QTest::newRow("scadenzario has no PDF") << "scadenzario"
                                            << "cmdPDF"
                                            << "none"
                                            << "";
}

void TestCardPrint::commandsOfEachCard()
{
    QFETCH(QString, kind);
    QFETCH(QString, command);
    QFETCH(QString, output);
    QFETCH(QString, pdfFile);
    Card card(kind);
    auto *button = card.window->findChild<QAbstractButton *>(command);
    if (output == QStringLiteral("none")) {
        QVERIFY(!button);
        return;
    }
    QVERIFY(button && button->isVisible() && button->isEnabled());
    if (output == QStringLiteral("pdf"))
        card.platform.messages.answerNext(false);
    button->click();
    RecordingReports &r = card.platform.reports;
    QCOMPARE(r.printed.size(), output == QStringLiteral("printed") ? 1 : 0);
    QCOMPARE(r.previewed.size(), output == QStringLiteral("previewed") ? 1 : 0);
    QCOMPARE(r.pdfPaths, output == QStringLiteral("pdf") ? QStringList{programFile(pdfFile)} : QStringList());
    if (output == QStringLiteral("previewed")) { // the preview shows the pages printing sends
        click(card.window.get(), QStringLiteral("cmdStampa"));
        QCOMPARE(r.previewed.first().pages.first().texts(), r.printed.first().pages.first().texts());
    }
}

void TestCardPrint::pdfReadsBackInOrderAndIsReplaced()
{
    Card card(QStringLiteral("clienti"));
    card.platform.clock.value = QDateTime(QDate(2024, 3, 5), QTime(17, 45, 0));
    fill(card.window.get(), {{"Cognome", "Rossi"},
                             {"Nome", "Mario"},
                             {"CodFisc", "RSSMRA70E12B963X"},
                             {"Email", "mario.rossi@example.it"}});
    card.platform.messages.answerNext(false);
    click(card.window.get(), QStringLiteral("cmdPDF"));
    QCOMPARE(card.platform.messages.questions,
             QStringList{
                 u("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\nSi vuole aprire "
                   "il file?")});
    QVERIFY(card.platform.shell.opened.isEmpty());
    const QStringList lines = PdfText::lines(card.pdf(QStringLiteral("Cliente.pdf")));
    const QStringList expected = {QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"),
                                  QStringLiteral("Cognome e nome: Rossi Mario"),
                                  QStringLiteral("Data di nascita:"),
                                  u("E-mail: mario.rossi@example.it"),
                                  QStringLiteral("Codice fiscale: RSSMRA70E12B963X"),
                                  QStringLiteral("Carta di credito: N. - Scadenza:"),
                                  QStringLiteral("Note:"),
                                  QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 17:45:00")};
    qsizetype at = -1;
    for (const QString &line : expected) { // in reading order
        const qsizetype found = lines.indexOf(line, at + 1);
        QVERIFY2(found > at, qPrintable(line + QStringLiteral(" in ") + lines.join(u'|')));
        at = found;
    }
    QCOMPARE(lines.size(), 26);

    // A second customer replaces the first, and Yes opens the file.
    click(card.window.get(), QStringLiteral("cmdNuovo"));
    fill(card.window.get(), {{"Cognome", "Bianchi"}, {"Nome", "Anna"}});
    card.platform.messages.answerNext(true);
    click(card.window.get(), QStringLiteral("cmdPDF"));
    const QString text = PdfText::text(card.pdf(QStringLiteral("Cliente.pdf")));
    QVERIFY(text.contains(QStringLiteral("Bianchi Anna")));
    QVERIFY(!text.contains(QStringLiteral("Rossi")));
    QCOMPARE(card.platform.shell.opened,
             QStringList{u'"' + programFile(QStringLiteral("Cliente.pdf")) + u'"'});
    QCOMPARE(QDir(card.folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files),
             QStringList{QStringLiteral("Cliente.pdf")});
}

void TestCardPrint::pdfThatCannotBeWrittenIsNeverASuccess_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("the disk fills up: the earlier PDF stays") << false;
    QTest::newRow("a folder of that name") << true;
}

void TestCardPrint::pdfThatCannotBeWrittenIsNeverASuccess()
{
    QFETCH(bool, folderInItsPlace);
    Card card(QStringLiteral("fornitori"));
    const QString path = card.pdf(QStringLiteral("Fornitore.pdf"));
    QByteArray before;
    if (folderInItsPlace) {
        QVERIFY(QDir(card.folder.path()).mkdir(QStringLiteral("Fornitore.pdf")));
    } else {
        fill(card.window.get(), {{"Ditta", "Prima Srl"}});
        card.platform.messages.answerNext(false);
        click(card.window.get(), QStringLiteral("cmdPDF"));
        before = readAll(path);
        QVERIFY(before.size() > 4096);
        card.platform.messages.clear();
    }
    fill(card.window.get(), {{"Ditta", "Seconda Srl"}});

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    click(card.window.get(), QStringLiteral("cmdPDF")); // no answer scripted: a question would abort
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(card.platform.messages.shown.size(), 1);
    QCOMPARE(card.platform.messages.shown.first().kind, MessageKind::Warning);
    QCOMPARE(card.platform.messages.lastText(), CardPrint::pdfFailureWarning());
    QVERIFY(card.platform.messages.lastText().startsWith(
        QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\n\r\n\rAccertarsi")));
    QVERIFY(card.platform.messages.questions.isEmpty());
    QVERIFY(card.platform.shell.opened.isEmpty());
    QCOMPARE(readAll(path), before); // byte for byte
    QCOMPARE(
        QDir(card.folder.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("Fornitore")),
        folderInItsPlace ? QStringList() : QStringList{QStringLiteral("Fornitore.pdf")});
}

QTEST_MAIN(TestCardPrint)
#include "tst_cardprint.moc"
