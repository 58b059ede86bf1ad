// The list service of the search windows: the result line of each archive, what a criterion
// matches, the list order with positions, a missing archive, and the keyword jump.
#include "TestFolder.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "services/ArchiveKinds.h"
#include "services/KeywordJump.h"
#include "services/ListService.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFile>
#include <QtTest>
#include <algorithm>

using Texts = QList<QPair<int, QString>>;
Q_DECLARE_METATYPE(Texts)

namespace {

QByteArray record(const RecordLayout &layout, const Texts &texts)
{
    Record r(layout);
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r.encode();
}

void writeArchive(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Customers with these surnames, one record each, in this order.
QByteArray customers(const QStringList &surnames)
{
    QByteArray bytes;
    for (const QString &s : surnames)
        bytes += record(Clienti::layout(), {{Clienti::Cognome, s}, {Clienti::Nome, QStringLiteral("Mario")}});
    return bytes;
}

QString pad(const QString &s, int n)
{
    return s.leftJustified(n, u' ', true);
}

} // namespace

class TestListService : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineOfEachArchive_data();
    void lineOfEachArchive();
    void criteria_data();
    void criteria();
    void orderKeepsPositions();
    void largeArchive();
    void missingArchive();
    void keywordJump_data();
    void keywordJump();
};

void TestListService::lineOfEachArchive_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("line");

    using namespace Clienti;
    QTest::newRow("customer: name padded, long town cut")
        << "customers"
        << Texts{{Cognome, "Rossi"},
                 {Nome, "Mario"},
                 {Recapito, "0815551234"},
                 {CodFisc, "RSSMRA80A01F839X"},
                 {ComuneRes, "San Giorgio a Cremano e dintorni"},
                 {Note, "Paga in \u20AC"}}
        << pad("Rossi Mario", 30) + "  Tel. " + pad("0815551234", 16) +
               "  C.F. RSSMRA80A01F839X  Citt\u00E0: " + "San Giorgio a Cremano e dint" + "  Paga in \u20AC";
    QTest::newRow("customer of the example: no notes")
        << "customers"
        << Texts{{Cognome, "Rossi"},
                 {Nome, "Mario"},
                 {Recapito, "0815551234"},
                 {CodFisc, "RSSMRA80A01F839X"},
                 {ComuneRes, "Napoli"}}
        << "Rossi Mario" + QString(19, u' ') + "  Tel. 0815551234" + QString(6, u' ') +
               "  C.F. RSSMRA80A01F839X  Citt\u00E0: Napoli" + QString(22, u' ') + "  ";
    QTest::newRow("supplier") << "suppliers"
                              << Texts{{Fornitori::Ditta, "Gomme Sud S.r.l. - Distribuzione pneumatici"},
                                       {Fornitori::Titolare, "Bruno"},
                                       {Fornitori::Recapito, "081 7654321"},
                                       {Fornitori::Note, "ok"}}
                              << "Gomme Sud S.r.l. - Distribuzio  " + pad("Bruno", 30) + "  Tel. " +
                                     pad("081 7654321", 20) + "  ok";
    QTest::newRow("item") << "items"
                          << Texts{{Magazzino::Codice, "PN-205"},        {Magazzino::Marca, "Pirelli"},
                                   {Magazzino::Modello, "Cinturato P7"}, {Magazzino::Costo, "1.234,50"},
                                   {Magazzino::Giacenza, "12"},          {Magazzino::Note, "estivo"}}
                          << pad("PN-205", 30) + "  " + pad("Pirelli Cinturato P7", 40) +
                                 "  Costo: " + pad("1.234,50", 12) + "  Giacenza: " + pad("12", 12) +
                                 "  Note: estivo";
    QTest::newRow("deadline: euro sign and the agent's two blanks")
        << "deadlines" << Texts{{Scadenzario::Dettagli, "Revisione"}, {Scadenzario::Data, "15/03/2024"},
                                {Scadenzario::Ora, "09:30"},          {Scadenzario::Pagatore, "Rossi Mario"},
                                {Scadenzario::Beneficiario, "Luca"},  {Scadenzario::Costo, "66,88"}}
        << pad("Revisione", 35) + "  Data: 15/03/2024  Ora: 09:30  Contatto: " + pad("Rossi Mario", 24) +
               "  Agente:  " + pad("Luca", 24) + "  \u20AC 66,88";
    QTest::newRow("quote: number and date in one column")
        << "quotes"
        << Texts{{Preventivi::txtNumFatt, "12"},
                 {Preventivi::txtData, "15/03/2024"},
                 {Preventivi::txtCliente, "Rossi Mario"},
                 {Preventivi::txtIvaCliente, "01234567890"},
                 {Preventivi::txtRiferimenti, "Tagliando"}}
        << "Prev. n. " + pad("12 del 15/03/2024", 25) + "  " + pad("Rossi Mario", 35) +
               "  P.I. 01234567890  Rif. " + pad("Tagliando", 35) + "  Tot. \u20AC ";
}

void TestListService::lineOfEachArchive()
{
    QFETCH(QString, kind);
    QFETCH(Texts, texts);
    QFETCH(QString, line);
    TestFolder folder;
    const ArchiveKind &k = *ArchiveKinds::byName(kind);
    const QString path = folder.file(QStringLiteral("archive"));
    writeArchive(path, record(*k.layout, texts));
    const auto lines = ListService::search(k, path, {}, ListService::Missing::Empty);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].text, line);
    QCOMPARE(lines[0].position, 1);
}

void TestListService::criteria_data()
{
    QTest::addColumn<Texts>("criteria");
    QTest::addColumn<QStringList>("surnames");
    QTest::addColumn<QStringList>("listed");

    using C = Texts;
    const QStringList people = {"Rossi", "ROSSI", "Grossi", "Rosi", "Ross"};
    QTest::newRow("ross: any case, inside the word, not Rosi")
        << C{{Clienti::Cognome, "ross"}} << people << QStringList{"Grossi", "Ross", "Rossi", "ROSSI"};
    QTest::newRow("a trailing blank is kept")
        << C{{Clienti::Cognome, "i "}} << QStringList{"De Luca", "Di Maio", "Rossi"}
        << QStringList{"Di Maio"};
    QTest::newRow("only blanks: ignored")
        << C{{Clienti::Cognome, "   "}} << people << QStringList{"Grossi", "Rosi", "Ross", "Rossi", "ROSSI"};
    QTest::newRow("accented letters are not folded")
        << C{{Clienti::Cognome, "\u00E8"}} << QStringList{"N\u00C8RI", "Nan\u00E8"}
        << QStringList{"Nan\u00E8"};
    QTest::newRow("two criteria must both match")
        << C{{Clienti::Cognome, "ross"}, {Clienti::Nome, "mar"}} << people
        << QStringList{"Grossi", "Ross", "Rossi", "ROSSI"};
    QTest::newRow("two criteria, second fails")
        << C{{Clienti::Cognome, "ross"}, {Clienti::Nome, "luigi"}} << people << QStringList{};
}

void TestListService::criteria()
{
    QFETCH(Texts, criteria);
    QFETCH(QStringList, surnames);
    QFETCH(QStringList, listed);
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    writeArchive(path, customers(surnames));
    std::vector<ListService::Criterion> given;
    for (const auto &[field, text] : criteria)
        given.push_back({field, text});
    QStringList got;
    for (const auto &line : ListService::search(ArchiveKinds::get(ArchiveKindId::Customers), path, given,
                                                ListService::Missing::Empty))
        got << line.text.left(30).trimmed().chopped(6); // without " Mario"
    QCOMPARE(got, listed);
}

void TestListService::orderKeepsPositions()
{
    // Lower-case names sort among the others, "_" after the letters, equal lines in file order.
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    writeArchive(path, customers({"Rossi", "_Prova", "bianchi", "Rossi", "Bianco", "rossi"}));
    const auto lines = ListService::search(ArchiveKinds::get(ArchiveKindId::Customers), path, {},
                                           ListService::Missing::Empty);
    QStringList names;
    QList<qint64> positions;
    for (const auto &line : lines) {
        names << line.text.section(u' ', 0, 0);
        positions << line.position;
    }
    QCOMPARE(names, (QStringList{"bianchi", "Bianco", "Rossi", "Rossi", "rossi", "_Prova"}));
    QCOMPARE(positions, (QList<qint64>{3, 5, 1, 4, 6, 2}));
}

// Enough customers for the scan to run on several threads: the lines come out as one pass in
// file order would give them, and sorted with equal lines in file order.
void TestListService::largeArchive()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    const QStringList names{"ROSSI", "GROSSI", "BIANCHI", "ROSA", "VERDI", "ROSSETTI", "ROSSI"};
    QStringList surnames;
    for (int i = 0; i < 3000; ++i)
        surnames << names[(i * 5 + i / 7) % names.size()];
    writeArchive(path, customers(surnames));
    const ArchiveKind &kind = ArchiveKinds::get(ArchiveKindId::Customers);

    ListText::Lines inFileOrder;
    ListService::scanInto(path, *kind.layout, {}, ListService::linesOf(kind.search.line),
                          ListService::Missing::Empty, inFileOrder);
    QCOMPARE(inFileOrder.size(), 3000);
    for (qsizetype i = 0; i < inFileOrder.size(); ++i) {
        QCOMPARE(inFileOrder.position(i), i + 1);
        QVERIFY(inFileOrder.text(i).startsWith(surnames[i] + QStringLiteral(" Mario")));
    }

    // Upper-case names and one first name: the list order is the order of the surnames' bytes.
    QList<qint64> expected;
    for (int i = 0; i < surnames.size(); ++i) {
        if (surnames[i].contains(QStringLiteral("ROSS")))
            expected << i + 1;
    }
    std::stable_sort(expected.begin(), expected.end(),
                     [&](qint64 a, qint64 b) { return surnames[a - 1] < surnames[b - 1]; });
    const auto found = ListService::search(kind, path, {{Clienti::Cognome, QStringLiteral("ross")}},
                                           ListService::Missing::Empty);
    QList<qint64> positions;
    for (qsizetype i = 0; i < found.size(); ++i)
        positions << found.position(i);
    QCOMPARE(positions, expected);
}

void TestListService::missingArchive()
{
    TestFolder folder;
    const ArchiveKind &k = ArchiveKinds::get(ArchiveKindId::Suppliers);
    const QString path = folder.file(QStringLiteral("Fornitori.pro"));
    QVERIFY(ListService::search(k, path, {}, ListService::Missing::Empty).empty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(ListService::search(k, path, {}, ListService::Missing::Create).empty());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestListService::keywordJump_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("keys");    // pressed one after the other
    QTest::addColumn<QList<int>>("selected"); // the selection after each press

    const QStringList lines = {"Bianchi Anna", "Rossi Mario", "Verdi Mario", "Russo Mario"};
    QTest::newRow("same key cycles and wraps")
        << lines << QStringList{"mario", "mario", "mario", "mario"} << QList<int>{1, 2, 3, 1};
    QTest::newRow("a new key starts from line 0, tested first")
        << lines << QStringList{"mario", "mario", "BIANCHI", "anna"} << QList<int>{1, 2, 0, 0};
    QTest::newRow("no line contains it: the selection stays")
        << lines << QStringList{"mario", "zeta"} << QList<int>{1, 1};
    QTest::newRow("the empty key never matches") << lines << QStringList{"", ""} << QList<int>{0, 0};
    QTest::newRow("one line, same key again")
        << QStringList{"Rossi"} << QStringList{"ss", "ss"} << QList<int>{0, 0};
}

void TestListService::keywordJump()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, selected);
    KeywordJump jump;
    int row = -1;
    QList<int> got;
    for (const QString &key : keys) {
        const auto result = jump.next(int(lines.size()), row, key, [&](int i) { return lines[i]; });
        row = result.row;
        got << row;
    }
    QCOMPARE(got, selected);

    KeywordJump empty;
    QCOMPARE(empty.next(0, -1, QStringLiteral("x"), [](int) { return QString(); }).outcome,
             KeywordJump::Outcome::EmptyList);
}

QTEST_GUILESS_MAIN(TestListService)
#include "tst_listservice.moc"
