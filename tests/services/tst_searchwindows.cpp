// The search windows as the cards open them: criteria, the result list, the keyword jump, and
// what a double click gives back to the card in each mode.
#include "../cards/ContactCardKit.h"
#include "../quotewindow/QuoteWindowKit.h"
#include "WindowShot.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/TfrmScadenzario.h"
#include "quotes/PreventiviRecord.h"
#include "services/ArchiveKinds.h"
#include "services/TfrmTrova.h"
#include "shell/card/CardMessages.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"
#include "warehouse/TfrmMagazzino.h"

#include <QListView>
#include <QtTest>

using namespace WindowTestKit;

namespace {

QByteArray customer(const QString &surname, const QString &name, const QString &email)
{
    return record(Clienti::layout(), {{"Cognome", surname}, {"Nome", name}, {"Email", email}});
}

// Types the criteria, presses "Cerca" and double-clicks the line at `row` of the result list.
void searchAndChoose(QDialog *window, const QList<QPair<QString, QString>> &criteria, int row)
{
    for (const auto &[control, text] : criteria)
        find<QLineEdit>(window, control)->setText(text);
    click(window, QStringLiteral("btnCerca"));
    auto *list = find<QListView>(window, QStringLiteral("lstRecords"));
    QVERIFY(list->isVisible());
    const QModelIndex index = list->model()->index(row, 0);
    list->setCurrentIndex(index);
    Q_EMIT list->doubleClicked(index);
}

} // namespace

class TestSearchWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }
    void customerCardLoadsTheClickedRecord_data();
    void customerCardLoadsTheClickedRecord();
    void supplierPickerFillsThreeItemFields();
    void itemCardLoadsTheClickedRecord();
    void deadlineCardLoadsTheClickedRecord();
    void quoteWindowLoadsTheClickedRecord();
    void customerPickerFillsTheDeadlineCard();
    void customerPickerFillsTheQuote();
    void keywordJumpAndEmptyList();
    void failedSearchKeepsTheCriteria();
};

void TestSearchWindows::customerCardLoadsTheClickedRecord_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("email");
    // Records 1 and 3 give the same line; each is reached by its own line.
    QTest::newRow("first of two equal lines") << 1 << "2"
                                              << "primo@example.it";
    QTest::newRow("second of two equal lines") << 2 << "3"
                                               << "secondo@example.it";
    QTest::newRow("a line of its own") << 0 << "1"
                                       << "anna@example.it";
}

void TestSearchWindows::customerCardLoadsTheClickedRecord()
{
    QFETCH(int, row);
    QFETCH(QString, position);
    QFETCH(QString, email);
    ContactCardFixture<TfrmClienti> f(QStringLiteral("Clienti.pro"));
    writeFile(f.path(), customer("Bianchi", "Anna", "anna@example.it") +
                            customer("Rossi", "Mario", "primo@example.it") +
                            customer("Rossi", "Mario", "secondo@example.it"));
    withNextModal([&] { click(&f.card, QStringLiteral("cmdTrova")); },
                  [&](QDialog *window) {
                      QCOMPARE(window->objectName(), QStringLiteral("TfrmTrovaClienti"));
                      QCOMPARE(window->windowTitle(), QStringLiteral(" Trova clienti in archivio"));
                      WindowShot::keep(window, QStringLiteral("TfrmTrovaClienti-criteria"));
                      searchAndChoose(window, {}, row);
                  });
    QCOMPARE(f.position(), position);
    QCOMPARE(f.edit(QStringLiteral("txtEmail"))->text(), email);
}

void TestSearchWindows::supplierPickerFillsThreeItemFields()
{
    TestFolder folder;
    FakePlatform platform;
    writeFile(folder.file(QStringLiteral("Fornitori.pro")),
              record(Fornitori::layout(), {{"Ditta", "Gomme Sud"},
                                           {"Recapito", "081 7654321"},
                                           {"Ordine", "via e-mail"},
                                           {"Note", "non copiare"}}));
    TfrmMagazzino card;
    showActive(&card);
    find<QLineEdit>(&card, QStringLiteral("txtCodice"))->setText(QStringLiteral("PN-205"));
    find<QLineEdit>(&card, QStringLiteral("txtNote"))->setText(QStringLiteral("mie note"));
    const QString positionBefore = card.positionLabel()->text();
    withNextModal([&] { click(&card, QStringLiteral("impFornitore")); },
                  [&](QDialog *window) {
                      QCOMPARE(window->objectName(), QStringLiteral("TfrmTrovaFornitori"));
                      searchAndChoose(window, {{QStringLiteral("txtDitta"), QStringLiteral("gomme")}}, 0);
                  });
    QCOMPARE(find<QLineEdit>(&card, QStringLiteral("txtFornitore"))->text(), QStringLiteral("Gomme Sud"));
    QCOMPARE(find<QLineEdit>(&card, QStringLiteral("txtRecapiti"))->text(), QStringLiteral("081 7654321"));
    QCOMPARE(shownText(find<QWidget>(&card, QStringLiteral("txtOrdine"))), QStringLiteral("via e-mail"));
    // Nothing else changes.
    QCOMPARE(find<QLineEdit>(&card, QStringLiteral("txtCodice"))->text(), QStringLiteral("PN-205"));
    QCOMPARE(find<QLineEdit>(&card, QStringLiteral("txtNote"))->text(), QStringLiteral("mie note"));
    QCOMPARE(card.positionLabel()->text(), positionBefore);
}

// Two items with equal lines (code, make and model, cost, stock) told apart by their shelf.
void TestSearchWindows::itemCardLoadsTheClickedRecord()
{
    TestFolder folder;
    FakePlatform platform;
    const auto item = [](const char *shelf) {
        return record(Magazzino::layout(),
                      {{"Codice", "PN-205"}, {"Marca", "Gomma"}, {"Collocazione", shelf}});
    };
    writeFile(folder.file(QStringLiteral("Magazzino.pro")), item("A1") + item("B2"));
    TfrmMagazzino card;
    showActive(&card);
    withNextModal([&] { click(&card, QStringLiteral("cmdTrova")); },
                  [&](QDialog *window) {
                      QCOMPARE(window->objectName(), QStringLiteral("TfrmTrovaMagazzino"));
                      searchAndChoose(window, {{QStringLiteral("txtCodice"), QStringLiteral("pn-")}}, 1);
                  });
    QCOMPARE(card.positionLabel()->text(), QStringLiteral("2"));
    QCOMPARE(find<QLineEdit>(&card, QStringLiteral("txtCollocazione"))->text(), QStringLiteral("B2"));
}

void TestSearchWindows::deadlineCardLoadsTheClickedRecord()
{
    TestFolder folder;
    FakePlatform platform;
    const auto deadline = [](const char *date, const char *note) {
        return record(Scadenzario::layout(),
                      {{"Dettagli", "Rata mutuo"}, {"Data", date}, {"Ora", "09:30"}, {"Note", note}});
    };
    writeFile(folder.file(QStringLiteral("2024.sca")), deadline("12/03/2024", "prima") +
                                                           deadline("10/03/2024", "seconda") +
                                                           deadline("12/03/2024", "terza"));
    TfrmScadenzario window;
    showActive(&window);
    find<QLineEdit>(&window, QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
    click(&window, QStringLiteral("btnApri"));
    platform.messages.clear();
    // Sorted: 10/03 first, then the two equal lines of 12/03 in file order.
    withNextModal([&] { click(&window, QStringLiteral("cmdTrova")); },
                  [&](QDialog *search) {
                      QCOMPARE(search->objectName(), QStringLiteral("TfrmTrovaScadenzario"));
                      searchAndChoose(search, {}, 2);
                  });
    QCOMPARE(window.positionLabel()->text(), QStringLiteral("3"));
    QCOMPARE(find<QLineEdit>(&window, QStringLiteral("txtNote"))->text(), QStringLiteral("terza"));
    QVERIFY(platform.messages.shown.isEmpty());
}

void TestSearchWindows::quoteWindowLoadsTheClickedRecord()
{
    using namespace Preventivi;
    const auto stored = [](const char *note) {
        return QuoteWindowKit::quote({{txtNumFatt, QStringLiteral("7")},
                                      {txtData, QStringLiteral("05/03/2024")},
                                      {txtCliente, QStringLiteral("Rossi Mario")},
                                      {txtNote, QString::fromUtf8(note)}})
            .encode();
    };
    QuoteWindowKit::Fixture f({}, stored("prima") + stored("seconda"));
    withNextModal([&] { f.click(QStringLiteral("cmdTrova")); },
                  [&](QDialog *search) {
                      QCOMPARE(search->objectName(), QStringLiteral("TfrmTrovaPreventivi"));
                      searchAndChoose(search, {{QStringLiteral("txtCliente"), QStringLiteral("rossi")}}, 0);
                  });
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.text(QStringLiteral("txtNote")), QStringLiteral("prima"));
    withNextModal([&] { f.click(QStringLiteral("cmdTrova")); },
                  [&](QDialog *search) { searchAndChoose(search, {}, 1); });
    QCOMPARE(f.position(), QStringLiteral("2"));
    QCOMPARE(f.text(QStringLiteral("txtNote")), QStringLiteral("seconda"));
}

// A customer of many fields; the pickers copy only theirs.
static QByteArray fullCustomer()
{
    return record(Clienti::layout(), {{"Ditta", "  "},
                                      {"Cognome", "Verdi"},
                                      {"Nome", "Anna "},
                                      {"CodFisc", "VRDNNA80A41H501X"},
                                      {"ComuneRes", "Roma"},
                                      {"ProvRes", "RM"},
                                      {"CapRes", "00184"},
                                      {"IndirizzoRes", "Via Appia 5"},
                                      {"PartitaIva", "01234567897"},
                                      {"Questioni", "richiamare"},
                                      {"TelCel", "333 1234567"},
                                      {"Recapito", "06 1234567"},
                                      {"Note", "non copiare"}});
}

void TestSearchWindows::customerPickerFillsTheDeadlineCard()
{
    TestFolder folder;
    FakePlatform platform;
    writeFile(folder.file(QStringLiteral("Clienti.pro")), fullCustomer());
    TfrmScadenzario window;
    showActive(&window);
    find<QLineEdit>(&window, QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
    click(&window, QStringLiteral("btnApri"));
    find<QLineEdit>(&window, QStringLiteral("txtNote"))->setText(QStringLiteral("mia nota"));
    find<QLineEdit>(&window, QStringLiteral("txtDettagli"))->setText(QStringLiteral("Visita"));
    const QString positionBefore = window.positionLabel()->text();
    withNextModal([&] { click(&window, QStringLiteral("impPag")); },
                  [&](QDialog *search) {
                      QCOMPARE(search->objectName(), QStringLiteral("TfrmTrovaClienti"));
                      searchAndChoose(search, {}, 0);
                  });
    const QList<QPair<QString, QString>> copied = {
        {"txtPagatore", "Verdi Anna"}, {"txtCodFisc", "VRDNNA80A41H501X"}, {"txtNumTessera", "Roma"},
        {"txtCarica", "richiamare"},   {"txtTelCel", "333 1234567"},       {"txtRecapito", "06 1234567"},
        {"txtNote", "mia nota"},       {"txtDettagli", "Visita"}};
    for (const auto &[control, text] : copied)
        QCOMPARE(shownText(find<QWidget>(&window, control)), text);
    QCOMPARE(window.positionLabel()->text(), positionBefore);
}

void TestSearchWindows::customerPickerFillsTheQuote()
{
    QuoteWindowKit::Fixture f;
    writeFile(f.folder.file(QStringLiteral("Clienti.pro")), fullCustomer());
    f.edit(QStringLiteral("txtRiferimenti"))->setText(QStringLiteral("Vs. richiesta"));
    const QString positionBefore = f.position();
    withNextModal([&] { f.click(QStringLiteral("impCliente")); },
                  [&](QDialog *search) {
                      QCOMPARE(search->objectName(), QStringLiteral("TfrmTrovaClienti"));
                      searchAndChoose(search, {}, 0);
                  });
    // The name is company, surname and name with the outer blanks removed.
    const QList<QPair<QString, QString>> copied = {{"txtCliente", "Verdi Anna"},
                                                   {"txtViaCliente", "Via Appia 5"},
                                                   {"txtCapCliente", "00184"},
                                                   {"txtCittaCliente", "Roma"},
                                                   {"txtProvCliente", "RM"},
                                                   {"txtIvaCliente", "01234567897"},
                                                   {"txtCodFiscCliente", "VRDNNA80A41H501X"},
                                                   {"txtRiferimenti", "Vs. richiesta"}};
    for (const auto &[control, text] : copied)
        QCOMPARE(f.text(control), text);
    QCOMPARE(f.position(), positionBefore);
}

void TestSearchWindows::keywordJumpAndEmptyList()
{
    TestFolder folder;
    FakePlatform platform;
    const ArchiveKind &kind = ArchiveKinds::get(ArchiveKindId::Customers);
    TfrmTrova window(kind, folder.file(QStringLiteral("Clienti.pro")), QStringLiteral("clienti"));
    showActive(&window);
    click(&window, QStringLiteral("btnCerca"));
    QCOMPARE(find<QLabel>(&window, QStringLiteral("lblTrovate"))->text(),
             QStringLiteral("Il presente riepilogo contiene 0 schede."));
    QVERIFY(folder.exists(QStringLiteral("Clienti.pro")));
    QCOMPARE(focusedName(), QStringLiteral("txtTrova"));
    click(&window, QStringLiteral("btnTrova"));
    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(platform.messages.shown[0].text,
             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
    WindowShot::keep(&window, QStringLiteral("TfrmTrovaClienti-results-empty"));
}

void TestSearchWindows::failedSearchKeepsTheCriteria()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmTrova window(ArchiveKinds::get(ArchiveKindId::Items), folder.file(QStringLiteral("Magazzino.pro")),
                     QStringLiteral("magazzino"));
    showActive(&window);
    {
        OpenFails fails;
        click(&window, QStringLiteral("btnCerca"));
    }
    QCOMPARE(platform.messages.lastText(), CardMessages::archiveAccess());
    QCOMPARE(platform.messages.shown.last().kind, MessageKind::Plain);
    QVERIFY(find<QWidget>(&window, QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!find<QWidget>(&window, QStringLiteral("panContainer"))->isVisible());
    QVERIFY(!find<QWidget>(&window, QStringLiteral("lblAttendere"))->isVisible());
}

QTEST_MAIN(TestSearchWindows)
#include "tst_searchwindows.moc"
