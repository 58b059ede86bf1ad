// The search windows as the cards open them: criteria, the result list, the keyword jump, and
// what a double click gives back to the card in each mode.
#include "../cards/ContactCardKit.h"
#include "WindowShot.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "services/ArchiveKinds.h"
#include "services/TfrmTrova.h"
#include "shell/card/CardMessages.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/TfrmMagazzino.h"

#include <QListView>
#include <QtTest>

using namespace CardTestKit;

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
