// The item import window as the quote window opens it: the quantity it starts with, the line it
// fills, the stock it writes, its warnings, and the details following the selection.
#include "../quotewindow/QuoteWindowKit.h"
#include "WindowShot.h"
#include "services/ItemImportServices.h"
#include "services/TfrmImportaMagazzino.h"
#include "shell/card/CardMessages.h"
#include "warehouse/MagazzinoRecord.h"

#include <QLabel>
#include <QListView>
#include <QtTest>

using namespace QuoteWindowKit;
using Preventivi::lineField;

namespace {

QByteArray item(const QString &code, const QString &description, const QString &price, const QString &stock,
                const QString &cost = QStringLiteral("2"))
{
    Record r(Magazzino::layout());
    r.setText(Magazzino::Codice, code);
    r.setText(Magazzino::Descrizione, description);
    r.setText(Magazzino::Prezzo, price);
    r.setText(Magazzino::Giacenza, stock);
    r.setText(Magazzino::Costo, cost);
    return r.encode();
}

QString itemText(const QByteArray &file, int position, int field)
{
    const int size = Magazzino::layout().recordSize();
    return Record::decode(Magazzino::layout(), file.mid(qsizetype(position - 1) * size, size)).text(field);
}

QString aboveStock()
{
    return QStringLiteral(
        "Attenzione: la quantit\u00E0 da scaricare non pu\u00F2 essere superiore alla giacenza in "
        "magazzino.\n\r\n\rIndicare una quantit\u00E0 inferiore oppure utilizzare il pulsante per "
        "importare l'articolo senza aggiornare la giacenza.");
}

QString noChoice()
{
    return QStringLiteral(
        "Attenzione: selezionare un articolo dall'elenco prima di premere il pulsante di importazione.");
}

QString label(QWidget *w, const char *name)
{
    return WindowTestKit::find<QLabel>(w, QString::fromLatin1(name))->text();
}

// "Cerca" with the code criterion, then a click on the line at `row`.
void searchAndClick(QDialog *window, const QString &code, int row)
{
    WindowTestKit::find<QLineEdit>(window, QStringLiteral("txtCodice"))->setText(code);
    WindowTestKit::click(window, QStringLiteral("btnCerca"));
    auto *list = WindowTestKit::find<QListView>(window, QStringLiteral("lstRecords"));
    QVERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(row, 0));
}

void setQuantity(QDialog *window, const QString &quantity)
{
    WindowTestKit::find<QLineEdit>(window, QStringLiteral("txtQuant"))->setText(quantity);
}

} // namespace

class TestImportWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        useProgramLook();
        registerItemImportServices();
    }
    void opensWithTheLinesQuantity_data();
    void opensWithTheLinesQuantity();
    void importFillsItsOwnLine_data();
    void importFillsItsOwnLine();
    void warningsKeepTheWindowOpen();
    void stockStoredNowDecides();
    void detailsFollowTrova();
    void longTextsAreCutWhenTheQuoteIsSaved();
};

void TestImportWindow::opensWithTheLinesQuantity_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("lineQuantity");
    QTest::addColumn<QString>("shown");
    QTest::newRow("line 12 with 4") << 12 << "4"
                                    << "4";
    QTest::newRow("empty quantity") << 1 << ""
                                    << "0";
    QTest::newRow("blanks only") << 30 << "  "
                                 << "0";
}

void TestImportWindow::opensWithTheLinesQuantity()
{
    QFETCH(int, line);
    QFETCH(QString, lineQuantity);
    QFETCH(QString, shown);
    Fixture f;
    f.edit(QStringLiteral("txtQuant") + nn(line))->setText(lineQuantity);
    QVERIFY(f.find<QAbstractButton>(QStringLiteral("impMag") + nn(line))->isEnabled());
    withNextModal([&] { f.click(QStringLiteral("impMag") + nn(line)); },
                  [&](QDialog *window) {
                      QCOMPARE(window->objectName(), QStringLiteral("TfrmImportaMagazzino"));
                      QCOMPARE(window->windowTitle(), QStringLiteral(" Importa articoli da magazzino"));
                      QCOMPARE(label(window, "lblMemory"), QStringLiteral("pre_art_") + nn(line));
                      QCOMPARE(WindowTestKit::find<QLineEdit>(window, QStringLiteral("txtQuant"))->text(),
                               shown);
                      QTRY_COMPARE(WindowTestKit::focusedName(), QStringLiteral("txtCodice"));
                  });
}

void TestImportWindow::importFillsItsOwnLine_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("stockAfter"); // empty: the file byte for byte unchanged
    QTest::addColumn<QString>("valueAfter");
    QTest::newRow("the whole stock") << "btnAggiorna"
                                     << "5"
                                     << "0"
                                     << "0,00";
    QTest::newRow("part of it") << "btnAggiorna"
                                << "2,5"
                                << "2,5"
                                << "5,00";
    QTest::newRow("without update, above the stock") << "btnNonAggiornare"
                                                     << "6"
                                                     << ""
                                                     << "";
}

// Two items give the same line; the one clicked (the first in the file) is the one acted on.
void TestImportWindow::importFillsItsOwnLine()
{
    QFETCH(QString, button);
    QFETCH(QString, quantity);
    QFETCH(QString, stockAfter);
    QFETCH(QString, valueAfter);
    Fixture f;
    const QString items = f.folder.file(QStringLiteral("Magazzino.pro"));
    const QByteArray before = item("ALTRO", "Altro", "1,00", "9") + item("VT-8", "Vite M8", "0,35", "5") +
                              item("VT-8", "Vite M8", "0,35", "5");
    f.folder.write(QStringLiteral("Magazzino.pro"), before);
    f.edit(QStringLiteral("txtQuant03"))->setText(QStringLiteral("7"));
    withNextModal([&] { f.click(QStringLiteral("impMag03")); },
                  [&](QDialog *window) {
                      searchAndClick(window, QStringLiteral("vt"), 0);
                      QCOMPARE(label(window, "lblPosizione"), QStringLiteral("2"));
                      QCOMPARE(label(window, "lblGiacenza"), QStringLiteral("5"));
                      setQuantity(window, quantity);
                      WindowTestKit::click(window, button);
                      QVERIFY(!window->isVisible());
                  });
    QCOMPARE(f.messages().shown.size(), 0);
    QCOMPARE(f.text(QStringLiteral("txtCodice03")), QStringLiteral("VT-8"));
    QCOMPARE(f.text(QStringLiteral("txtDesc03")), QStringLiteral("Vite M8"));
    QCOMPARE(f.text(QStringLiteral("txtPrezzo03")), QStringLiteral("0,35"));
    QCOMPARE(f.text(QStringLiteral("txtQuant03")), QStringLiteral("7"));
    QCOMPARE(f.text(QStringLiteral("txtCodice02")), QString());
    QCOMPARE(f.text(QStringLiteral("txtCodice04")), QString());
    const QByteArray after = f.folder.read(QStringLiteral("Magazzino.pro"));
    if (stockAfter.isEmpty()) {
        QCOMPARE(after, before);
    } else {
        QCOMPARE(itemText(after, 2, Magazzino::Giacenza), stockAfter);
        QCOMPARE(itemText(after, 2, Magazzino::Valore), valueAfter);
        QCOMPARE(itemText(after, 3, Magazzino::Giacenza), QStringLiteral("5"));
    }
    // The quote itself is not stored by the import.
    QCOMPARE(f.records(), 0);
}

void TestImportWindow::warningsKeepTheWindowOpen()
{
    Fixture f;
    const QByteArray before = item("VT-8", "Vite M8", "0,35", "5");
    f.folder.write(QStringLiteral("Magazzino.pro"), before);
    withNextModal([&] { f.click(QStringLiteral("impMag01")); },
                  [&](QDialog *window) {
                      WindowTestKit::click(window, QStringLiteral("btnCerca"));
                      WindowTestKit::click(window, QStringLiteral("btnAggiorna"));
                      WindowTestKit::click(window, QStringLiteral("btnNonAggiornare"));
                      QCOMPARE(f.messages().shown.size(), 2);
                      QCOMPARE(f.messages().shown[0].text, noChoice());
                      QCOMPARE(f.messages().shown[1].text, noChoice());
                      auto *list = WindowTestKit::find<QListView>(window, QStringLiteral("lstRecords"));
                      list->setCurrentIndex(list->model()->index(0, 0));
                      setQuantity(window, QStringLiteral("6"));
                      WindowTestKit::click(window, QStringLiteral("btnAggiorna"));
                      QCOMPARE(f.messages().shown.size(), 3);
                      QCOMPARE(f.messages().shown[2].kind, MessageKind::Warning);
                      QCOMPARE(f.messages().shown[2].text, aboveStock());
                      QVERIFY(window->isVisible());
                  });
    QCOMPARE(f.folder.read(QStringLiteral("Magazzino.pro")), before);
    QCOMPARE(f.text(QStringLiteral("txtCodice01")), QString());
}

// Another workstation sells some of the item after it was clicked: the unload compares with
// and subtracts from the stock stored now, so that sale is not undone.
void TestImportWindow::stockStoredNowDecides()
{
    Fixture f;
    f.folder.write(QStringLiteral("Magazzino.pro"), item("VT-8", "Vite M8", "0,35", "10"));
    withNextModal([&] { f.click(QStringLiteral("impMag01")); },
                  [&](QDialog *window) {
                      searchAndClick(window, {}, 0);
                      QCOMPARE(label(window, "lblGiacenza"), QStringLiteral("10"));
                      f.folder.write(QStringLiteral("Magazzino.pro"), item("VT-8", "Vite M8", "0,35", "3"));
                      setQuantity(window, QStringLiteral("5"));
                      WindowTestKit::click(window, QStringLiteral("btnAggiorna"));
                      QCOMPARE(f.messages().shown.size(), 1);
                      QCOMPARE(f.messages().shown[0].text, aboveStock());
                      QCOMPARE(label(window, "lblGiacenza"), QStringLiteral("3"));
                      setQuantity(window, QStringLiteral("2"));
                      WindowTestKit::click(window, QStringLiteral("btnAggiorna"));
                      QVERIFY(!window->isVisible());
                  });
    const QByteArray after = f.folder.read(QStringLiteral("Magazzino.pro"));
    QCOMPARE(itemText(after, 1, Magazzino::Giacenza), QStringLiteral("1"));
    QCOMPARE(itemText(after, 1, Magazzino::Valore), QStringLiteral("2,00"));
    QCOMPARE(f.text(QStringLiteral("txtCodice01")), QStringLiteral("VT-8"));
}

void TestImportWindow::detailsFollowTrova()
{
    TestFolder folder;
    FakePlatform platform;
    folder.write(QStringLiteral("Magazzino.pro"),
                 item("AA-1", "Bullone", "1", "4") + item("BB-2", "Dado", "2", "8"));
    TfrmImportaMagazzino window(folder.file(QStringLiteral("Magazzino.pro")), QStringLiteral("pre_art_05"),
                                {});
    WindowTestKit::showActive(&window);
    WindowTestKit::click(&window, QStringLiteral("btnCerca"));
    WindowTestKit::find<QLineEdit>(&window, QStringLiteral("txtTrova"))->setText(QStringLiteral("dado"));
    WindowTestKit::click(&window, QStringLiteral("btnTrova"));
    QCOMPARE(label(&window, "lblCodice"), QStringLiteral("BB-2"));
    QCOMPARE(label(&window, "lblDescrizione"), QStringLiteral("Dado"));
    QCOMPARE(label(&window, "lblGiacenza"), QStringLiteral("8"));
    QCOMPARE(label(&window, "lblPosizione"), QStringLiteral("2"));
    window.resize(window.size());
    WindowShot::keep(&window, QStringLiteral("TfrmImportaMagazzino-results"));
    WindowTestKit::click(&window, QStringLiteral("btnNonAggiornare"));
    QVERIFY(window.imported());
    QCOMPARE(window.imported()->codice, QStringLiteral("BB-2"));
}

void TestImportWindow::longTextsAreCutWhenTheQuoteIsSaved()
{
    Fixture f;
    const QString code = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");         // 25
    const QString description = QString(54, u'd') + QStringLiteral("EFGHIJ"); // 60
    f.folder.write(QStringLiteral("Magazzino.pro"), item(code, description, "12,50", "1"));
    type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
    f.click(QStringLiteral("impOggi"));
    type(f.edit(QStringLiteral("txtNumFatt")), QStringLiteral("1"));
    withNextModal([&] { f.click(QStringLiteral("impMag02")); },
                  [&](QDialog *window) {
                      searchAndClick(window, {}, 0);
                      WindowTestKit::click(window, QStringLiteral("btnNonAggiornare"));
                  });
    f.click(QStringLiteral("cmdSalva"));
    QCOMPARE(f.records(), 1);
    QCOMPARE(f.stored(1).text(lineField(Column::Codice, 2)), code.left(20));
    QCOMPARE(f.stored(1).text(lineField(Column::Desc, 2)), description.left(55));
    QCOMPARE(f.stored(1).text(lineField(Column::Prezzo, 2)), QStringLiteral("12,50"));
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
