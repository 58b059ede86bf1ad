// The summary lists without their window: which records each list keeps, the line it shows, and
// its order.
#include "TestFolder.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFile>
#include <QtTest>

using Texts = QList<QPair<int, QString>>;
using Records = QList<Texts>;
using Positions = QList<qint64>;
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(Positions)

namespace {

const QString kYes = QStringLiteral("S\u00EC");

QString pad(const QString &s, int n)
{
    return s.leftJustified(n, u' ', true);
}

ListText::Lines listOf(const QString &name, const Records &records)
{
    const SummaryLists::Member member = SummaryLists::byName(name);
    if (!member.list)
        qFatal("no list %s", qPrintable(name));
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("archive"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write the archive");
    for (const Texts &texts : records) {
        Record r(*member.kind->layout);
        for (const auto &[field, text] : texts)
            r.setText(field, text);
        f.write(r.encode());
    }
    f.close();
    return SummaryLists::collect(*member.list, *member.kind->layout, path, ListService::Missing::Empty);
}

Positions positionsOf(const ListText::Lines &lines)
{
    Positions positions;
    for (const auto &line : lines)
        positions << line.position;
    return positions;
}

Texts item(const QString &stock, const QString &threshold)
{
    return {{Magazzino::Codice, QStringLiteral("A")},
            {Magazzino::Giacenza, stock},
            {Magazzino::Sottoscorta, threshold}};
}

Texts customer(const QString &surname, const QString &flag)
{
    return {{Clienti::Cognome, surname}, {Clienti::Ricontatta, flag}};
}

Texts deadline(const QString &reason, const QString &date, const QString &paid, const QString &confirm = {})
{
    return {{Scadenzario::Dettagli, reason},
            {Scadenzario::Data, date},
            {Scadenzario::Effettuata, paid},
            {Scadenzario::DaConfermare, confirm}};
}

} // namespace

class TestSummaryLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void selectionAndOrder_data();
    void selectionAndOrder();
    void lineOfEachList_data();
    void lineOfEachList();
    void missingArchiveIsNotCreated();
};

void TestSummaryLists::selectionAndOrder_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<Records>("records");
    QTest::addColumn<Positions>("listed"); // in list order

    QTest::newRow("recall flag: trimmed, exact")
        << "recall-customers" << Records{customer("Rossi", kYes),      customer("Neri", "No"),
                                         customer("Gialli", "si"),     customer("Blu", "  " + kYes + " "),
                                         customer("Viola", "S\u00CC"), customer("Bruni", "")}
        << Positions{4, 1};
    QTest::newRow("Bianchi before Verdi whatever the file order")
        << "recall-customers" << Records{customer("Verdi", kYes), customer("bianchi", kYes)}
        << Positions{2, 1};
    QTest::newRow("suppliers by company")
        << "recall-suppliers"
        << Records{{{Fornitori::Ditta, "Zeta"}, {Fornitori::Ricontatta, kYes}},
                   {{Fornitori::Ditta, "Alfa"}, {Fornitori::Ricontatta, kYes}},
                   {{Fornitori::Ditta, "Beta"}, {Fornitori::Ricontatta, "No"}}}
        << Positions{2, 1};
    // Same code: the stock column orders them.
    QTest::newRow("under stock: 0/0 and 4/4 listed, 5/4 not")
        << "under-stock" << Records{item("0", "0"), item("5", "4"), item("4", "4"), item("3,5", "4")}
        << Positions{1, 4, 3};
    QTest::newRow("under stock: a damaged record in the middle is skipped, the scan goes on")
        << "under-stock"
        << Records{item("1", "2"), item("tre", "4"), item("", "4"), item("2", "x"), item("0", "0")}
        << Positions{5, 1};
    QTest::newRow("pending quotes in file order")
        << "pending-quotes"
        << Records{{{Preventivi::txtCliente, "Zeta"}, {Preventivi::chkSaldata, kYes}},
                   {{Preventivi::txtCliente, "Alfa"}, {Preventivi::chkSaldata, "No"}},
                   {{Preventivi::txtCliente, "Beta"}, {Preventivi::chkSaldata, kYes}}}
        << Positions{1, 3};
    QTest::newRow("payments to make, due or not")
        << "to-pay"
        << Records{deadline("Rata", "01/01/2000", "No"), deadline("Affitto", "31/12/2099", "No"),
                   deadline("Bollo", "01/02/2024", kYes)}
        << Positions{2, 1};
    QTest::newRow("payments made, whatever their date")
        << "paid"
        << Records{deadline("Rata", "01/01/2000", "No"), deadline("Affitto", "31/12/2099", kYes),
                   deadline("Bollo", "01/02/2024", kYes)}
        << Positions{2, 3};
    QTest::newRow("appointments to confirm") << "to-confirm"
                                             << Records{deadline("Visita", "01/01/2024", "No", kYes),
                                                        deadline("Controllo", "01/01/2024", "No", "No"),
                                                        deadline("Collaudo", "01/01/2024", "No", kYes)}
                                             << Positions{3, 1};
}

void TestSummaryLists::selectionAndOrder()
{
    QFETCH(QString, list);
    QFETCH(Records, records);
    QFETCH(Positions, listed);
    QCOMPARE(positionsOf(listOf(list, records)), listed);
}

void TestSummaryLists::lineOfEachList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<QString>("line");

    using namespace Clienti;
    QTest::newRow("customer: a name longer than 30 characters is cut; the pending issues end the line")
        << "recall-customers"
        << Texts{{Cognome, "Bartolomei Santangelo"}, {Nome, "Maria Vittoria"}, {Recapito, "0815551234"},
                 {CodFisc, "BRTMVT80A41F839X"},      {ComuneRes, "Napoli"},    {Questioni, "Richiamare"},
                 {Note, "non nella riga"},           {Ricontatta, "S\u00EC"}}
        << "Bartolomei Santangelo Maria Vi  Tel. " + pad("0815551234", 16) +
               "  C.F. BRTMVT80A41F839X  Citt\u00E0: " + pad("Napoli", 28) + "  Richiamare";
    QTest::newRow("supplier") << "recall-suppliers"
                              << Texts{{Fornitori::Ditta, "Gomme Sud"},
                                       {Fornitori::Titolare, "Bruno Esposito"},
                                       {Fornitori::Recapito, "081 7654321"},
                                       {Fornitori::Questioni, "Listino"},
                                       {Fornitori::Ricontatta, "S\u00EC"}}
                              << pad("Gomme Sud", 30) + "  " + pad("Bruno Esposito", 30) + "  Tel. " +
                                     pad("081 7654321", 20) + "  Listino";
    QTest::newRow("item under stock")
        << "under-stock"
        << Texts{{Magazzino::Codice, "PN-205"}, {Magazzino::Marca, "Pirelli"}, {Magazzino::Modello, "P7"},
                 {Magazzino::Costo, "50,00"},   {Magazzino::Giacenza, "2"},    {Magazzino::Sottoscorta, "4"},
                 {Magazzino::Note, "ordinare"}}
        << pad("PN-205", 30) + "  " + pad("Pirelli P7", 40) + "  Costo: " + pad("50,00", 12) +
               "  Giacenza: " + pad("2", 12) + "  Note: ordinare";
    QTest::newRow("pending quote: the number column comes after its label")
        << "pending-quotes"
        << Texts{{Preventivi::txtNumFatt, "12"},
                 {Preventivi::txtData, "15/03/2024"},
                 {Preventivi::txtCliente, "Rossi Mario"},
                 {Preventivi::txtIvaCliente, "01234567890"},
                 {Preventivi::txtRiferimenti, "Tagliando"},
                 {Preventivi::txtTotFattura, "122,00"},
                 {Preventivi::chkSaldata, "S\u00EC"}}
        << "Prev. n. " + pad("12 del 15/03/2024", 25) + "  " + pad("Rossi Mario", 35) +
               "  P.I. 01234567890  Rif. " + pad("Tagliando", 35) + "  Tot. \u20AC 122,00";
    QTest::newRow("payment to make")
        << "to-pay" << Texts{{Scadenzario::Dettagli, "Revisione"}, {Scadenzario::Data, "15/03/2024"},
                             {Scadenzario::Ora, "09:30"},          {Scadenzario::Pagatore, "Rossi Mario"},
                             {Scadenzario::Beneficiario, "Luca"},  {Scadenzario::Costo, "66,88"},
                             {Scadenzario::Effettuata, "No"}}
        << pad("Revisione", 35) + "  Data: 15/03/2024  Ora: 09:30  Contatto: " + pad("Rossi Mario", 24) +
               "  Agente:  " + pad("Luca", 24) + "  \u20AC 66,88";
}

void TestSummaryLists::lineOfEachList()
{
    QFETCH(QString, list);
    QFETCH(Texts, texts);
    QFETCH(QString, line);
    const auto lines = listOf(list, {texts});
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].text, line);
}

void TestSummaryLists::missingArchiveIsNotCreated()
{
    TestFolder folder;
    const SummaryLists::Member member = SummaryLists::byName(QStringLiteral("to-pay"));
    QVERIFY(member.list);
    QCOMPARE(member.list->window, QStringLiteral("TfrmConfermati"));
    const QString path = folder.file(QStringLiteral("2024.sca"));
    QVERIFY(
        SummaryLists::collect(*member.list, *member.kind->layout, path, ListService::Missing::Empty).empty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!SummaryLists::byName(QStringLiteral("nothing")).list);
}

QTEST_GUILESS_MAIN(TestSummaryLists)
#include "tst_summarylists.moc"
