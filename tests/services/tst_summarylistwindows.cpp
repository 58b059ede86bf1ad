// The summary list windows as the cards open them, and the two inventory windows: what each shows,
// what a double click loads into the card, and what they print.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/TfrmScadenzario.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/TfrmPreventivi.h"
#include "suppliers/FornitoriRecord.h"
#include "suppliers/TfrmFornitori.h"
#include "warehouse/MagazzinoRecord.h"
#include "warehouse/TfrmMagazzino.h"
#include "warehouse/TfrmMenuRiepilogo.h"

#include <QListView>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;
using Fields = QList<QPair<QString, QString>>;
using Records = QList<Fields>;
Q_DECLARE_METATYPE(Fields)
Q_DECLARE_METATYPE(Records)

namespace {

const QString kYes = QStringLiteral("S\u00EC");

// A card over an archive written beforehand, shown as the user meets it.
std::unique_ptr<CardWindow> openCard(const QString &kind, TestFolder &folder, const QByteArray &archive)
{
    std::unique_ptr<CardWindow> card;
    if (kind == QStringLiteral("customers")) {
        writeFile(folder.file(QStringLiteral("Clienti.pro")), archive);
        card = std::make_unique<TfrmClienti>();
    } else if (kind == QStringLiteral("suppliers")) {
        writeFile(folder.file(QStringLiteral("Fornitori.pro")), archive);
        card = std::make_unique<TfrmFornitori>();
    } else if (kind == QStringLiteral("items")) {
        writeFile(folder.file(QStringLiteral("Magazzino.pro")), archive);
        card = std::make_unique<TfrmMagazzino>();
    } else if (kind == QStringLiteral("deadlines")) {
        writeFile(folder.file(QStringLiteral("2024.sca")), archive);
        card = std::make_unique<TfrmScadenzario>();
    } else {
        writeFile(folder.file(QStringLiteral("2024.pre")), archive);
        card.reset(createTfrmPreventivi());
    }
    card->setWindowState(Qt::WindowNoState);
    card->resize(1366, 768);
    if (auto *quotes = qobject_cast<TfrmPreventivi *>(card.get())) {
        quotes->openYear(folder.file(QStringLiteral("2024.pre")),
                         QStringLiteral(" Quadrivo - Emissione preventivi anno 2024"));
        if (!QTest::qWaitForWindowActive(quotes))
            qFatal("quote window not active");
    } else {
        showActive(card.get());
    }
    if (kind == QStringLiteral("deadlines")) {
        find<QLineEdit>(card.get(), QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
        click(card.get(), QStringLiteral("btnApri"));
    }
    return card;
}

const RecordLayout &layoutOf(const QString &kind)
{
    if (kind == QStringLiteral("customers"))
        return Clienti::layout();
    if (kind == QStringLiteral("suppliers"))
        return Fornitori::layout();
    if (kind == QStringLiteral("items"))
        return Magazzino::layout();
    if (kind == QStringLiteral("deadlines"))
        return Scadenzario::layout();
    return Preventivi::layout();
}

QByteArray itemRecord(const QString &code, const QString &type, const QString &value)
{
    return record(Magazzino::layout(), {{"Codice", code},
                                        {"Tipologia", type},
                                        {"Marca", "Marca"},
                                        {"Modello", "Modello"},
                                        {"Costo", "1"},
                                        {"Giacenza", "1"},
                                        {"Valore", value}});
}

} // namespace

class TestSummaryListWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }
    void doubleClickLoadsIntoTheCard_data();
    void doubleClickLoadsIntoTheCard();
    void printsUnderItsTitle();
    void inventoryOfAType();
    void inventoryWarnsOfUnreadableValues();
    void inventoryOf200ItemsPrintsOverPages();
};

void TestSummaryListWindows::doubleClickLoadsIntoTheCard_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Records>("records");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("lineStart");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("position");

    QTest::newRow("customer with a name longer than 30 characters")
        << "customers"
        << "cmdRicontatta"
        << "TfrmRicontatta"
        << " Riepilogo clienti da ricontattare"
        << Records{{{"Cognome", "Verdi"}, {"Nome", "Anna"}, {"Ricontatta", kYes}},
                   {{"Cognome", "Neri"}, {"Ricontatta", "No"}},
                   {{"Cognome", "Bartolomei Santangelo"}, {"Nome", "Maria Vittoria"}, {"Ricontatta", kYes}}}
        << 0 << "Bartolomei Santangelo Maria Vi  Tel."
        << "txtNome"
        << "Maria Vittoria"
        << "3";
    QTest::newRow("supplier") << "suppliers"
                              << "cmdRicontatta"
                              << "TfrmRicontattaFor"
                              << " Riepilogo fornitori da ricontattare"
                              << Records{{{"Ditta", "Zeta"}, {"Ricontatta", kYes}},
                                         {{"Ditta", "Alfa"}, {"Titolare", "Bruno"}, {"Ricontatta", kYes}}}
                              << 0 << "Alfa "
                              << "txtTitolare"
                              << "Bruno"
                              << "2";
    QTest::newRow("item under stock") << "items"
                                      << "cmdSottoscorta"
                                      << "TfrmSottoscorta"
                                      << " Materiali in esaurimento"
                                      << Records{{{"Codice", "B-1"}, {"Giacenza", "1"}, {"Sottoscorta", "2"}},
                                                 {{"Codice", "A-1"}, {"Giacenza", "9"}, {"Sottoscorta", "2"}},
                                                 {{"Codice", "C-1"}, {"Giacenza", "0"}, {"Sottoscorta", "0"}}}
                                      << 1 << "C-1 "
                                      << "txtCodice"
                                      << "C-1"
                                      << "3";
    QTest::newRow("pending quote, file order")
        << "quotes"
        << "cmdSospese"
        << "TfrmSospesi"
        << " Riepilogo preventivi in sospeso"
        << Records{{{"txtNumFatt", "1"}, {"txtCliente", "Zeta"}, {"chkSaldata", kYes}},
                   {{"txtNumFatt", "2"}, {"txtCliente", "Alfa"}, {"chkSaldata", "No"}},
                   {{"txtNumFatt", "3"}, {"txtCliente", "Beta"}, {"chkSaldata", kYes}}}
        << 1 << "Prev. n. 3 del"
        << "txtCliente"
        << "Beta"
        << "3";
    QTest::newRow("appointment to confirm") << "deadlines"
                                            << "cmdDaConfermare"
                                            << "TfrmDaConfermare"
                                            << " Riepilogo appuntamenti da confermare"
                                            << Records{{{"Dettagli", "Visita"},
                                                        {"Pagatore", "Rossi"},
                                                        {"DaConfermare", kYes},
                                                        {"Effettuata", "No"}},
                                                       {{"Dettagli", "Collaudo"},
                                                        {"Pagatore", "Bianchi"},
                                                        {"DaConfermare", kYes},
                                                        {"Effettuata", "No"}}}
                                            << 0 << "Collaudo "
                                            << "txtPagatore"
                                            << "Bianchi"
                                            << "2";
    QTest::newRow("payment to make")
        << "deadlines"
        << "cmdDaEffettuare"
        << "TfrmConfermati"
        << " Riepilogo pagamenti da effettuare"
        << Records{{{"Dettagli", "Rata"}, {"Pagatore", "Rossi"}, {"Effettuata", "No"}},
                   {{"Dettagli", "Bollo"}, {"Pagatore", "Neri"}, {"Effettuata", kYes}}}
        << 0 << "Rata "
        << "txtPagatore"
        << "Rossi"
        << "1";
    QTest::newRow("payment made")
        << "deadlines"
        << "cmdEffettuate"
        << "TfrmNonConfermati"
        << " Riepilogo pagamenti effettuati"
        << Records{{{"Dettagli", "Rata"}, {"Pagatore", "Rossi"}, {"Effettuata", "No"}},
                   {{"Dettagli", "Bollo"}, {"Pagatore", "Neri"}, {"Effettuata", kYes}}}
        << 0 << "Bollo "
        << "txtPagatore"
        << "Neri"
        << "2";
}

void TestSummaryListWindows::doubleClickLoadsIntoTheCard()
{
    QFETCH(QString, kind);
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(Records, records);
    QFETCH(int, row);
    QFETCH(QString, lineStart);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(QString, position);

    TestFolder folder;
    FakePlatform platform;
    QByteArray archive;
    for (const Fields &fields : records)
        archive += record(layoutOf(kind), fields);
    const auto card = openCard(kind, folder, archive);
    QVERIFY(find<QAbstractButton>(card.get(), command)->isEnabled());
    withNextModal([&] { click(card.get(), command); },
                  [&](QDialog *list) {
                      QCOMPARE(list->objectName(), window);
                      QCOMPARE(list->windowTitle(), caption);
                      QTRY_COMPARE(focusedName(), QStringLiteral("txtTrova"));
                      WindowShot::keep(list, window);
                      auto *view = find<QListView>(list, QStringLiteral("lstRecords"));
                      const QModelIndex index = view->model()->index(row, 0);
                      QVERIFY2(index.data().toString().startsWith(lineStart),
                               qPrintable(index.data().toString()));
                      view->setCurrentIndex(index);
                      Q_EMIT view->doubleClicked(index);
                      QVERIFY(!list->isVisible());
                  });
    QCOMPARE(card->positionLabel()->text(), position);
    QCOMPARE(shownText(find(card.get(), control)), shown);
    QVERIFY(platform.messages.shown.isEmpty());
}

void TestSummaryListWindows::printsUnderItsTitle()
{
    TestFolder folder;
    FakePlatform platform;
    const auto card = openCard(QStringLiteral("suppliers"), folder,
                               record(Fornitori::layout(), {{"Ditta", "Alfa"}, {"Ricontatta", kYes}}));
    const QString positionBefore = card->positionLabel()->text();
    withNextModal([&] { click(card.get(), QStringLiteral("cmdRicontatta")); },
                  [&](QDialog *list) {
                      click(list, QStringLiteral("btnStampa"));
                      click(list, QStringLiteral("btnChiudi"));
                  });
    QCOMPARE(platform.reports.printed.size(), 1);
    const QStringList texts = platform.reports.printed[0].pages[0].texts();
    QCOMPARE(texts.first(), QStringLiteral("Riepilogo fornitori da ricontattare"));
    QVERIFY(texts[1].startsWith(QStringLiteral("Alfa ")));
    // Closing without a choice leaves the card as it was.
    QCOMPARE(card->positionLabel()->text(), positionBefore);
}

void TestSummaryListWindows::inventoryOfAType()
{
    TestFolder folder;
    FakePlatform platform;
    writeFile(folder.file(QStringLiteral("Magazzino.pro")),
              itemRecord("R-2", "Ricambi", "10,50") + itemRecord("E-1", "Elettrico", "7") +
                  itemRecord("R-1", "ricambi auto", "2,25") + itemRecord("X-1", "", "1"));
    TfrmMenuRiepilogo menu;
    menu.setWindowState(Qt::WindowNoState);
    menu.resize(1366, 768);
    showActive(&menu);
    QCOMPARE(focusedName(), QStringLiteral("txtTipologia"));
    WindowShot::keep(&menu, QStringLiteral("TfrmMenuRiepilogo"));
    find<QLineEdit>(&menu, QStringLiteral("txtTipologia"))->setText(QStringLiteral(" RIC "));
    withNextModal(
        [&] { click(&menu, QStringLiteral("btnVisualizza")); },
        [&](QDialog *list) {
            QCOMPARE(list->objectName(), QStringLiteral("TfrmRiepilogo"));
            QVERIFY(find<QLabel>(&menu, QStringLiteral("lblAttendere"))->isVisible());
            QCOMPARE(find<QLabel>(list, QStringLiteral("titTipologia"))->text(), QStringLiteral("RIC"));
            QCOMPARE(find<QLabel>(list, QStringLiteral("lblTotale"))->text(), QStringLiteral("\u20AC 12,75"));
            QCOMPARE(find<QLabel>(list, QStringLiteral("panInfo"))->text(),
                     QStringLiteral("Il presente inventario contiene 2 articoli."));
            auto *view = find<QListView>(list, QStringLiteral("lstRecords"));
            QCOMPARE(view->model()->rowCount(), 2);
            QVERIFY(view->model()->index(0, 0).data().toString().startsWith(QStringLiteral("R-1 ")));
            QCOMPARE(focusedName(), QStringLiteral("txtTrova"));
            list->setWindowState(Qt::WindowNoState);
            list->resize(1366, 768);
            WindowShot::keep(list, QStringLiteral("TfrmRiepilogo"));
            click(list, QStringLiteral("btnEsci"));
        });
    QVERIFY(!find<QLabel>(&menu, QStringLiteral("lblAttendere"))->isVisible());
    QVERIFY(platform.messages.shown.isEmpty());
}

void TestSummaryListWindows::inventoryWarnsOfUnreadableValues()
{
    TestFolder folder;
    FakePlatform platform;
    writeFile(folder.file(QStringLiteral("Magazzino.pro")),
              itemRecord("A", "x", "1") + itemRecord("B", "x", "uno") + itemRecord("C", "x", "") +
                  itemRecord("D", "x", "2,5"));
    TfrmMenuRiepilogo menu;
    showActive(&menu);
    withNextModal([&] { click(&menu, QStringLiteral("btnVisualizza")); },
                  [&](QDialog *list) {
                      QCOMPARE(find<QLabel>(list, QStringLiteral("titTipologia"))->text(),
                               QStringLiteral("Tutti gli articoli in magazzino."));
                      QCOMPARE(find<QLabel>(list, QStringLiteral("lblTotale"))->text(),
                               QStringLiteral("\u20AC 3,50"));
                      QCOMPARE(find<QListView>(list, QStringLiteral("lstRecords"))->model()->rowCount(), 4);
                  });
    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(
        platform.messages.shown[0].text,
        QStringLiteral(
            "Attenzione: il valore di 2 articoli non \u00E8 leggibile e non \u00E8 compreso nel totale."));
}

void TestSummaryListWindows::inventoryOf200ItemsPrintsOverPages()
{
    TestFolder folder;
    FakePlatform platform;
    QByteArray archive;
    for (int i = 0; i < 200; ++i)
        archive += itemRecord(QStringLiteral("ART-%1").arg(i, 3, 10, QChar(u'0')), "Ricambi", "1,25");
    writeFile(folder.file(QStringLiteral("Magazzino.pro")), archive);
    TfrmMenuRiepilogo menu;
    showActive(&menu);
    withNextModal([&] { click(&menu, QStringLiteral("btnVisualizza")); },
                  [&](QDialog *list) { click(list, QStringLiteral("btnStampa")); });
    QCOMPARE(platform.reports.printed.size(), 1);
    const PreparedReport &report = platform.reports.printed[0];
    QVERIFY(report.pages.size() > 1);
    QStringList lines;
    for (const ReportPage &page : report.pages) {
        for (const ReportItem &item : page.items) {
            if (item.name == QStringLiteral("txtRiepilogo"))
                lines << item.text;
        }
    }
    QCOMPARE(lines.size(), 202);
    QVERIFY(lines[0].startsWith(QStringLiteral("ART-000 ")));
    QVERIFY(lines[199].startsWith(QStringLiteral("ART-199 ")));
    QCOMPARE(lines[200], QString(26, u'-'));
    QCOMPARE(lines[201], QStringLiteral("VALORE TOTALE: \u20AC 250,00"));
    QCOMPARE(report.pages[0].find(QStringLiteral("txtTitolo"))->text,
             QStringLiteral("Inventario merce - Tipologia: Tutti gli articoli in magazzino."));
}

QTEST_MAIN(TestSummaryListWindows)
#include "tst_summarylistwindows.moc"
