#include "../reports/PdfText.h"
#include "TestFolder.h"
#include "ToolRun.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDate>
#include <QFile>
#include <QtTest>

namespace {

using Texts = QList<QPair<int, QString>>;

QByteArray record(const RecordLayout &layout, const Texts &texts)
{
    Record r(layout);
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r.encode();
}

// A small folder of archives, two records each.
void writeArchives(const TestFolder &folder)
{
    using namespace Clienti;
    folder.write(
        QStringLiteral("Clienti.pro"),
        record(layout(), {{Cognome, "Rossi"}, {Nome, "Mario"}, {Carta, "4111"}, {Ricontatta, "Sì"}}) +
            record(layout(), {{Cognome, "Bianchi"}, {Nome, "Anna"}, {ComuneRes, "Napoli"}, {ProvRes, "NA"}}));
    folder.write(QStringLiteral("Fornitori.pro"),
                 record(Fornitori::layout(), {{Fornitori::Ditta, "Carta & Penna Srl"}}) +
                     record(Fornitori::layout(),
                            {{Fornitori::Ditta, "Ferramenta Verdi"}, {Fornitori::Ricontatta, "forse"}}));
    folder.write(QStringLiteral("Magazzino.pro"),
                 record(Magazzino::layout(), {{Magazzino::Codice, "ART-1"}, {Magazzino::Sottoscorta, "4"}}));
    // The first deadline holds a day the card's list does not have ("5"): the card shows no day.
    using namespace Scadenzario;
    folder.write(QStringLiteral("2024.sca"),
                 record(Scadenzario::layout(), {{Giorno, "5"},
                                                {Mese, "Marzo"},
                                                {Anno, "1999"},
                                                {OreApp, "09"},
                                                {MinutiApp, "30"},
                                                {Effettuata, "Sì"}}) +
                     record(Scadenzario::layout(), {{Giorno, "07"}, {Mese, "Aprile"}, {Anno, "2024"}}));
}

} // namespace

class TestToolPdf : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsTheCardAsItsWindowDoes_data();
    void printsTheCardAsItsWindowDoes();
    void refusesWithOneLine_data();
    void refusesWithOneLine();
};

void TestToolPdf::printsTheCardAsItsWindowDoes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pos");
    QTest::addColumn<QStringList>("lines"); // expected among the PDF's lines, in this order
    QTest::newRow("first customer") << "customers"
                                    << "Clienti.pro"
                                    << "1"
                                    << QStringList{"SCHEDA ANAGRAFICA CLIENTE", "Cognome e nome: Rossi Mario",
                                                   "Carta di credito: N. 4111 - Scadenza:"};
    QTest::newRow("second customer") << "customers"
                                     << "Clienti.pro"
                                     << "2"
                                     << QStringList{"Cognome e nome: Bianchi Anna",
                                                    "Comune di residenza: Napoli NA"};
    QTest::newRow("supplier whose flag reads neither yes nor no")
        << "suppliers"
        << "Fornitori.pro"
        << "2"
        << QStringList{"SCHEDA ANAGRAFICA FORNITORE", "Denominazione Ditta: Ferramenta Verdi",
                       "Da ricontattare: No"};
    QTest::newRow("item") << "items"
                          << "Magazzino.pro"
                          << "1" << QStringList{"SCHEDA ARTICOLO", "Preavviso sottoscorta: 4 pezzi rimasti"};
    QTest::newRow("deadline with a day outside the list, year of the file")
        << "deadlines"
        << "2024.sca"
        << "1"
        << QStringList{"SCHEDA SCADENZA O APPUNTAMENTO", "Data scadenza: Marzo 2024",
                       "Ora appuntamento: 09:30", QString::fromUtf8("Pagamento effettuato: Sì")};
}

void TestToolPdf::printsTheCardAsItsWindowDoes()
{
    QFETCH(QString, kind);
    QFETCH(QString, file);
    QFETCH(QString, pos);
    QFETCH(QStringList, lines);
    TestFolder folder;
    writeArchives(folder);
    const QString out = folder.file(QStringLiteral("out.pdf"));
    const ToolRun run = runTool({QStringLiteral("pdf"), kind, folder.file(file), pos, out});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    const QStringList found = PdfText::lines(out);
    qsizetype at = -1;
    for (const QString &line : lines) {
        const qsizetype i = found.indexOf(line, at + 1);
        QVERIFY2(i > at, qPrintable(line + QStringLiteral(" in ") + found.join(u'|')));
        at = i;
    }
    QVERIFY(found.last().startsWith(QStringLiteral("Stampa eseguita in data ") +
                                    QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")) +
                                    QStringLiteral(" alle ore ")));
}

void TestToolPdf::refusesWithOneLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing arguments")
        << QStringList{"customers", "Clienti.pro"} << "usage: quadrivo-tool pdf";
    QTest::newRow("unknown kind") << QStringList{"invoices", "2024.pre", "1", "out.pdf"}
                                  << "unknown kind 'invoices'";
    QTest::newRow("archive of another kind")
        << QStringList{"items", "Clienti.pro", "1", "out.pdf"} << "'Clienti.pro' is not an archive of items";
    QTest::newRow("missing archive") << QStringList{"items", "nessuna/Magazzino.pro", "1", "out.pdf"}
                                     << "no such file";
    QTest::newRow("position past the end")
        << QStringList{"customers", "Clienti.pro", "3", "out.pdf"} << "no record at position 3";
    QTest::newRow("position not a number") << QStringList{"customers", "Clienti.pro", "primo", "out.pdf"}
                                           << "POS must be a record position from 1";
    QTest::newRow("position zero") << QStringList{"customers", "Clienti.pro", "0", "out.pdf"}
                                   << "POS must be a record position from 1";
    QTest::newRow("output cannot be written")
        << QStringList{"customers", "Clienti.pro", "1", "nessuna/out.pdf"} << "cannot write";
}

void TestToolPdf::refusesWithOneLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    TestFolder folder;
    writeArchives(folder);
    QStringList full{QStringLiteral("pdf")};
    for (int i = 0; i < args.size(); ++i) // archives and outputs live in the test's folder
        full << (i == 0 || i == 2 ? args.at(i) : folder.file(args.at(i)));
    const QByteArray before = folder.read(QStringLiteral("Clienti.pro"));
    const ToolRun run = runTool(full);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith("quadrivo-tool: "), run.err.constData());
    QVERIFY2(QString::fromUtf8(run.err).contains(reason), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(!QFile::exists(folder.file(QStringLiteral("out.pdf"))));
    QCOMPARE(folder.read(QStringLiteral("Clienti.pro")), before); // archives untouched
}

QTEST_MAIN(TestToolPdf)
#include "tst_tool_pdf.moc"
