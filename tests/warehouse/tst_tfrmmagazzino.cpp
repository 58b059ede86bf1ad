// The item card as the user meets it: what Save stores, the price and value buttons, the stock
// and extra data windows opened from the card, Duplicate, the web search and the card's look.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "core/RecordFile.h"
#include "shell/TfrmGuida.h"
#include "warehouse/MagazzinoRecord.h"
#include "warehouse/TfrmDatiPneumatici.h"
#include "warehouse/TfrmGiacenza.h"
#include "warehouse/TfrmMagazzino.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <stdexcept>

using namespace WindowTestKit;

namespace {

constexpr int R = 4874;

// A field read straight from the record bytes at its offset: the length byte, then the text.
QString rawField(const QByteArray &record, int offset)
{
    const int length = quint8(record.at(offset));
    return QString::fromLatin1(record.mid(offset + 1, length));
}

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMagazzino card;

    Fixture()
    {
        showActive(&card);
        platform.messages.clear();
    }
    QString path() const { return folder.file(QStringLiteral("Magazzino.pro")); }
    QLineEdit *edit(const QString &name) { return find<QLineEdit>(&card, name); }
    QString text(const QString &name) { return edit(name)->text(); }
    QString label(const QString &name) { return find<QLabel>(&card, name)->text(); }
    QString position() const { return card.positionLabel()->text(); }
    QByteArray file() const { return readFile(path()); }
    Record stored(int position) const
    {
        return Record::decode(Magazzino::layout(), recordAt(file(), R, position));
    }
    RecordingMessages &messages() { return platform.messages; }
    QString focused() const { return focusedName(); }
};

QByteArray item(const QList<QPair<QString, QString>> &texts)
{
    return record(Magazzino::layout(), texts);
}

// A stored item with everything a duplicate keeps or drops.
QByteArray tyre()
{
    return item({{QStringLiteral("Codice"), QStringLiteral("PN-205")},
                 {QStringLiteral("Tipologia"), QStringLiteral("Pneumatici")},
                 {QStringLiteral("Marca"), QStringLiteral("Michelin")},
                 {QStringLiteral("Modello"), QStringLiteral("Alpin 6")},
                 {QStringLiteral("Fornitore"), QStringLiteral("Gomme Srl")},
                 {QStringLiteral("Costo"), QStringLiteral("55,50")},
                 {QStringLiteral("Valore"), QStringLiteral("222,00")},
                 {QStringLiteral("Prezzo"), QStringLiteral("80,00")},
                 {QStringLiteral("PercIva"), QStringLiteral("22")},
                 {QStringLiteral("Prezzo_con_Iva"), QStringLiteral("97,60")},
                 {QStringLiteral("Giacenza"), QStringLiteral("4")},
                 {QStringLiteral("Sottoscorta"), QStringLiteral("2")},
                 {QStringLiteral("Altezza"), QStringLiteral("55")},
                 {QStringLiteral("Larghezza"), QStringLiteral("205")},
                 {QStringLiteral("Lunghezza"), QStringLiteral("16")},
                 {QStringLiteral("Scadenza"), QStringLiteral("2027")},
                 {QStringLiteral("File01"), QStringLiteral("/home/u/scheda.pdf")},
                 {QStringLiteral("Desc01"), QStringLiteral("Scheda tecnica")},
                 {QStringLiteral("File03"), QStringLiteral("/home/u/foto.jpg")},
                 {QStringLiteral("Cartella"), QStringLiteral("/home/u/pneumatici")},
                 {QStringLiteral("CartellaDesc"), QStringLiteral("Documenti")}});
}

const QStringList kAmounts = {QStringLiteral("txtCosto"), QStringLiteral("txtValore"),
                              QStringLiteral("txtPrezzo"), QStringLiteral("txtPrezzo_con_Iva")};
const QStringList kIntegers = {QStringLiteral("txtGiacenza"), QStringLiteral("txtSottoscorta"),
                               QStringLiteral("txtPercIva")};
const QStringList kHidden = {
    QStringLiteral("memConsumo"), QStringLiteral("memAderenza"), QStringLiteral("memRumore"),
    QStringLiteral("memOnde"),    QStringLiteral("lblFile01"),   QStringLiteral("lblFile02"),
    QStringLiteral("lblFile03"),  QStringLiteral("lblDesc01"),   QStringLiteral("lblDesc02"),
    QStringLiteral("lblDesc03"),  QStringLiteral("lblCartella"), QStringLiteral("lblCartellaDesc")};

// What the card shows, written out here rather than taken from the code that shows it.
const QString kMissingCode =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il codice articolo.");
const QString kCalcolaWarning =
    QStringLiteral("Attenzione: valori non validi.\r\n\r\nInserire correttamente il "
                   "prezzo e l'aliquota IVA prima di premere il pulsante Calcola.");
const QString kScorporaWarning =
    QStringLiteral("Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo IVA inclusa e "
                   "l'aliquota IVA prima di premere il pulsante Scorpora.");
const QString kArchiveAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
const QString kInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kChangesSaved =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kDuplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine "
                   "premere Salva per inserire la scheda in archivio.");

// A desktop whose open operation fails outright.
class FailingShell : public ShellService
{
public:
    void open(const QString &) override { throw std::runtime_error("no desktop"); }
};

} // namespace

class TestTfrmMagazzino : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        useProgramLook();
        RecordFile::setLockDeadlineMs(300);
    }

    void newCardShowsTheDefaults()
    {
        Fixture f;
        writeFile(f.path(), tyre());
        click(&f.card, QStringLiteral("cmdUltimo"));
        QCOMPARE(f.label(QStringLiteral("memConsumo")), QStringLiteral("55"));
        f.edit(QStringLiteral("txtNote"))->setFocus();

        click(&f.card, QStringLiteral("cmdNuovo"));
        for (const QString &name : kAmounts)
            QCOMPARE(f.text(name), QStringLiteral("0,00"));
        for (const QString &name : kIntegers)
            QCOMPARE(f.text(name), QStringLiteral("0"));
        for (const QString &name : kHidden)
            QCOMPARE(f.label(name), QString());
        QCOMPARE(f.text(QStringLiteral("txtCodice")), QString());
        QCOMPARE(f.text(QStringLiteral("txtMarca")), QString());
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtCodice"));
        QVERIFY(f.messages().shown.isEmpty());
    }

    void saveWithOnlyTheCodeStoresTheDefaults_data()
    {
        QTest::addColumn<bool>("blankNumbers");
        QTest::newRow("as a new card shows them") << false;
        QTest::newRow("numeric fields emptied by the user") << true;
    }
    void saveWithOnlyTheCodeStoresTheDefaults()
    {
        QFETCH(bool, blankNumbers);
        Fixture f;
        QVERIFY(!QFile::exists(f.path()));
        type(f.edit(QStringLiteral("txtCodice")), QStringLiteral("ART-1"));
        if (blankNumbers) {
            for (const QString &name : kAmounts + kIntegers)
                f.edit(name)->clear();
        }
        click(&f.card, QStringLiteral("cmdSalva"));

        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
        QCOMPARE(f.messages().shown[0].text,
                 QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));
        QCOMPARE(f.position(), QStringLiteral("1"));
        const QByteArray bytes = f.file();
        QCOMPARE(bytes.size(), R);

        const Record r = Record::decode(Magazzino::layout(), bytes);
        QCOMPARE(r.text(Magazzino::Codice), QStringLiteral("ART-1"));
        for (int field : {Magazzino::Giacenza, Magazzino::Sottoscorta, Magazzino::PercIva})
            QCOMPARE(r.text(field), QStringLiteral("0"));
        for (int field : {Magazzino::Costo, Magazzino::Valore, Magazzino::Prezzo, Magazzino::Prezzo_con_Iva})
            QCOMPARE(r.text(field), QStringLiteral("0,00"));
        for (int field = Magazzino::Altezza; field <= Magazzino::CartellaDesc; ++field) {
            if (field != Magazzino::Note)
                QCOMPARE(r.text(field), QString());
        }
        // The same bytes at the offsets of the record's field table.
        QCOMPARE(rawField(bytes, 0), QStringLiteral("ART-1"));
        QCOMPARE(rawField(bytes, 1639), QStringLiteral("0,00")); // Costo
        QCOMPARE(rawField(bytes, 2189), QStringLiteral("0"));    // PercIva
        QCOMPARE(rawField(bytes, 2192), QStringLiteral("0,00")); // Prezzo_con_Iva
        QCOMPARE(rawField(bytes, 2459), QStringLiteral("0"));    // Giacenza
        QCOMPARE(rawField(bytes, 2475), QStringLiteral("0"));    // Sottoscorta
        // What was stored is what the card shows.
        for (const QString &name : kAmounts)
            QCOMPARE(f.text(name), QStringLiteral("0,00"));
        for (const QString &name : kIntegers)
            QCOMPARE(f.text(name), QStringLiteral("0"));
    }

    void saveRecomputesPriceWithVatAndValue_data()
    {
        QTest::addColumn<QString>("prezzo");
        QTest::addColumn<QString>("percIva");
        QTest::addColumn<QString>("prezzoConIva");
        QTest::addColumn<QString>("costo");
        QTest::addColumn<QString>("giacenza");
        QTest::addColumn<QString>("sottoscorta");
        QTest::addColumn<QString>("storedConIva");
        QTest::addColumn<QString>("storedValore");
        QTest::addColumn<QString>("storedGiacenza");
        QTest::addColumn<QString>("storedSottoscorta");
        QTest::newRow("a stale price with VAT is overwritten") << "10"
                                                               << "22"
                                                               << "99,99"
                                                               << "2,5"
                                                               << "4"
                                                               << "1"
                                                               << "12,20"
                                                               << "10,00"
                                                               << "4"
                                                               << "1";
        QTest::newRow("a price typed only with VAT is lost") << "0,00"
                                                             << "22"
                                                             << "122,00"
                                                             << "0,00"
                                                             << "0"
                                                             << "0"
                                                             << "0,00"
                                                             << "0,00"
                                                             << "0"
                                                             << "0";
        QTest::newRow("rate 0 keeps the price") << "9,99"
                                                << "0"
                                                << ""
                                                << "1,10"
                                                << "3"
                                                << ""
                                                << "9,99"
                                                << "3,30"
                                                << "3"
                                                << "0";
        QTest::newRow("stock and threshold pasted with decimals are rounded first") << "100"
                                                                                    << "4"
                                                                                    << "0,00"
                                                                                    << "2"
                                                                                    << "3,6"
                                                                                    << "2,5"
                                                                                    << "104,00"
                                                                                    << "8,00"
                                                                                    << "4"
                                                                                    << "3";
    }
    void saveRecomputesPriceWithVatAndValue()
    {
        QFETCH(QString, prezzo);
        QFETCH(QString, percIva);
        QFETCH(QString, prezzoConIva);
        QFETCH(QString, costo);
        QFETCH(QString, giacenza);
        QFETCH(QString, sottoscorta);
        Fixture f;
        type(f.edit(QStringLiteral("txtCodice")), QStringLiteral("A1"));
        // Set as pasted text would be: the key filters let no comma into the whole numbers.
        f.edit(QStringLiteral("txtPrezzo"))->setText(prezzo);
        f.edit(QStringLiteral("txtPercIva"))->setText(percIva);
        f.edit(QStringLiteral("txtPrezzo_con_Iva"))->setText(prezzoConIva);
        f.edit(QStringLiteral("txtCosto"))->setText(costo);
        f.edit(QStringLiteral("txtGiacenza"))->setText(giacenza);
        f.edit(QStringLiteral("txtSottoscorta"))->setText(sottoscorta);
        click(&f.card, QStringLiteral("cmdSalva"));

        QCOMPARE(f.messages().lastText(), kInserted);
        const Record r = f.stored(1);
        QTEST(r.text(Magazzino::Prezzo_con_Iva), "storedConIva");
        QTEST(r.text(Magazzino::Valore), "storedValore");
        QTEST(r.text(Magazzino::Giacenza), "storedGiacenza");
        QTEST(r.text(Magazzino::Sottoscorta), "storedSottoscorta");
        QTEST(f.text(QStringLiteral("txtPrezzo_con_Iva")), "storedConIva");
        QTEST(f.text(QStringLiteral("txtValore")), "storedValore");
        QTEST(f.text(QStringLiteral("txtGiacenza")), "storedGiacenza");
    }

    void saveOverAStoredItemRewritesItInPlace()
    {
        Fixture f;
        const QByteArray before = tyre() + tyre();
        writeFile(f.path(), before);
        click(&f.card, QStringLiteral("cmdPrimo"));
        f.edit(QStringLiteral("txtPrezzo"))->setText(QStringLiteral("100"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kChangesSaved);
        QCOMPARE(f.position(), QStringLiteral("1"));
        const QByteArray after = f.file();
        QCOMPARE(after.size(), 2 * R);
        QCOMPARE(after.mid(R), before.mid(R));
        QCOMPARE(rawField(after, 2192), QStringLiteral("122,00"));
        // Fields no control shows are carried as they were read.
        const Record r = f.stored(1);
        QCOMPARE(r.text(Magazzino::Cartella), QStringLiteral("/home/u/pneumatici"));
        QCOMPARE(r.text(Magazzino::Lunghezza), QStringLiteral("16"));
    }

    void saveWritesNothingWhenTheCardCannotBeComputed_data()
    {
        QTest::addColumn<QString>("codice");
        QTest::addColumn<QString>("prezzo");
        QTest::addColumn<QString>("giacenza");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no code") << ""
                                 << "1"
                                 << "1" << kMissingCode << "txtCodice";
        QTest::newRow("code of blanks only") << "   "
                                             << "1"
                                             << "1" << kMissingCode << "txtCodice";
        QTest::newRow("price that does not parse") << "A1"
                                                   << "1,2,3"
                                                   << "1" << kCalcolaWarning << "txtPrezzo_con_Iva";
        QTest::newRow("stock that does not parse") << "A1"
                                                   << "1"
                                                   << "tre" << kArchiveAccess << "txtNote";
    }
    void saveWritesNothingWhenTheCardCannotBeComputed()
    {
        QFETCH(QString, codice);
        QFETCH(QString, prezzo);
        QFETCH(QString, giacenza);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        f.edit(QStringLiteral("txtCodice"))->setText(codice);
        f.edit(QStringLiteral("txtPrezzo"))->setText(prezzo);
        f.edit(QStringLiteral("txtGiacenza"))->setText(giacenza);
        f.edit(QStringLiteral("txtNote"))->setFocus();
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, warning);
        QCOMPARE(f.focused(), focus);
        QVERIFY(!QFile::exists(f.path()));
        QCOMPARE(f.position(), QString());
    }

    void archiveFailuresAreWarningsAndKeepTheCard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("save") << "cmdSalva";
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("previous") << "cmdIndietro";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("last") << "cmdUltimo";
        QTest::newRow("duplicate") << "cmdDuplica";
    }
    void archiveFailuresAreWarningsAndKeepTheCard()
    {
        QFETCH(QString, button);
        Fixture f;
        const QByteArray before = tyre() + tyre() + tyre();
        writeFile(f.path(), before);
        click(&f.card, QStringLiteral("cmdPrimo"));
        click(&f.card, QStringLiteral("cmdAvanti"));
        f.edit(QStringLiteral("txtNote"))->setText(QStringLiteral("da riordinare"));
        f.messages().clear();
        {
            OpenFails fails;
            click(&f.card, button);
        }
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, kArchiveAccess);
        QCOMPARE(f.text(QStringLiteral("txtNote")), QStringLiteral("da riordinare"));
        QCOMPARE(f.text(QStringLiteral("txtCodice")), QStringLiteral("PN-205"));
        // Duplicate has turned the card into a new one before it reaches the file.
        QCOMPARE(f.position(), button == QStringLiteral("cmdDuplica") ? QString() : QStringLiteral("2"));
        QCOMPARE(f.file(), before);
    }

    void duplicateThenSaveAppendsACopyWithoutAttachments()
    {
        Fixture f;
        const QByteArray before = item({{QStringLiteral("Codice"), QStringLiteral("ALTRO")}}) + tyre();
        writeFile(f.path(), before);
        click(&f.card, QStringLiteral("cmdUltimo"));
        QCOMPARE(f.label(QStringLiteral("lblFile01")), QStringLiteral("/home/u/scheda.pdf"));

        click(&f.card, QStringLiteral("cmdDuplica"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
        QCOMPARE(f.messages().shown[0].text, kDuplicated);
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtCodice"));
        for (const QString &name : kHidden.mid(4))
            QCOMPARE(f.label(name), QString());
        QCOMPARE(f.label(QStringLiteral("memConsumo")), QStringLiteral("55"));

        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kInserted);
        QCOMPARE(f.position(), QStringLiteral("3"));
        const QByteArray after = f.file();
        QCOMPARE(after.size(), 3 * R);
        QCOMPARE(after.left(2 * R), before);
        const Record original = Record::decode(Magazzino::layout(), tyre());
        const Record copy = f.stored(3);
        for (int field = Magazzino::Codice; field <= Magazzino::Note; ++field)
            QCOMPARE(copy.text(field), original.text(field));
        for (int field = Magazzino::File01; field <= Magazzino::CartellaDesc; ++field)
            QCOMPARE(copy.text(field), QString());
    }

    void priceButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("prezzo");
        QTest::addColumn<QString>("percIva");
        QTest::addColumn<QString>("prezzoConIva");
        QTest::addColumn<QString>("newPrezzo");
        QTest::addColumn<QString>("newPercIva");
        QTest::addColumn<QString>("newConIva");
        QTest::addColumn<QString>("warning");
        QTest::newRow("calcola") << "btnCalcola"
                                 << "10"
                                 << "22"
                                 << ""
                                 << "10"
                                 << "22"
                                 << "12,20"
                                 << "";
        QTest::newRow("scorpora") << "btnScorpora"
                                  << ""
                                  << "08"
                                  << "100"
                                  << "92,59"
                                  << "8"
                                  << "100"
                                  << "";
        QTest::newRow("scorpora, half up") << "btnScorpora"
                                           << "1"
                                           << "22"
                                           << "100"
                                           << "81,97"
                                           << "22"
                                           << "100"
                                           << "";
        QTest::newRow("calcola, unreadable price") << "btnCalcola"
                                                   << "1,,0"
                                                   << "22"
                                                   << "5,00"
                                                   << "0,00"
                                                   << "22"
                                                   << "5,00" << kCalcolaWarning;
        QTest::newRow("scorpora, unreadable price with VAT") << "btnScorpora"
                                                             << "3,00"
                                                             << "22"
                                                             << "x"
                                                             << "3,00"
                                                             << "22"
                                                             << "0,00" << kScorporaWarning;
    }
    void priceButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, prezzo);
        QFETCH(QString, percIva);
        QFETCH(QString, prezzoConIva);
        QFETCH(QString, warning);
        Fixture f;
        f.edit(QStringLiteral("txtPrezzo"))->setText(prezzo);
        f.edit(QStringLiteral("txtPercIva"))->setText(percIva);
        f.edit(QStringLiteral("txtPrezzo_con_Iva"))->setText(prezzoConIva);
        f.edit(QStringLiteral("txtCodice"))->setFocus();
        click(&f.card, button);
        QTEST(f.text(QStringLiteral("txtPrezzo")), "newPrezzo");
        QTEST(f.text(QStringLiteral("txtPercIva")), "newPercIva");
        QTEST(f.text(QStringLiteral("txtPrezzo_con_Iva")), "newConIva");
        if (warning.isEmpty()) {
            QVERIFY(f.messages().shown.isEmpty());
            QCOMPARE(f.focused(), QStringLiteral("txtCodice"));
        } else {
            QCOMPARE(f.messages().shown.size(), 1);
            QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
            QCOMPARE(f.messages().shown[0].text, warning);
            QCOMPARE(f.focused(), QStringLiteral("txtPrezzo_con_Iva"));
        }
        QVERIFY(!QFile::exists(f.path()));
    }

    void valueButton_data()
    {
        QTest::addColumn<QString>("costo");
        QTest::addColumn<QString>("giacenza");
        QTest::addColumn<QString>("newCosto");
        QTest::addColumn<QString>("newGiacenza");
        QTest::addColumn<QString>("newValore");
        QTest::newRow("cost times stock") << "2,5"
                                          << "3"
                                          << "2,5"
                                          << "3"
                                          << "7,50";
        QTest::newRow("blank fields") << ""
                                      << ""
                                      << "0,00"
                                      << "0"
                                      << "0,00";
        QTest::newRow("unreadable cost, silently") << "2,,5"
                                                   << "3"
                                                   << "0,00"
                                                   << "3"
                                                   << "0,00";
    }
    void valueButton()
    {
        QFETCH(QString, costo);
        QFETCH(QString, giacenza);
        Fixture f;
        f.edit(QStringLiteral("txtCosto"))->setText(costo);
        f.edit(QStringLiteral("txtGiacenza"))->setText(giacenza);
        f.edit(QStringLiteral("txtValore"))->setText(QStringLiteral("999,00"));
        click(&f.card, QStringLiteral("btnValore"));
        QTEST(f.text(QStringLiteral("txtCosto")), "newCosto");
        QTEST(f.text(QStringLiteral("txtGiacenza")), "newGiacenza");
        QTEST(f.text(QStringLiteral("txtValore")), "newValore");
        QVERIFY(f.messages().shown.isEmpty());
    }

    void fieldsNormaliseWhenTheFocusMovesOn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("stock 3,6") << "txtGiacenza"
                                   << "3,6"
                                   << "4";
        QTest::newRow("threshold of letters") << "txtSottoscorta"
                                              << "abc"
                                              << "0";
        QTest::newRow("blank rate") << "txtPercIva"
                                    << " "
                                    << "0";
        QTest::newRow("cost 7") << "txtCosto"
                                << "7"
                                << "7,00";
        QTest::newRow("value 7,5") << "txtValore"
                                   << "7,5"
                                   << "7,50";
        QTest::newRow("price only a comma") << "txtPrezzo"
                                            << ","
                                            << "0,00";
        QTest::newRow("price with VAT, five decimals") << "txtPrezzo_con_Iva"
                                                       << "1,23456"
                                                       << "1,2346";
    }
    void fieldsNormaliseWhenTheFocusMovesOn()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        Fixture f;
        QLineEdit *e = f.edit(field);
        e->setFocus();
        e->setText(pasted);
        // A message box taking the focus is not leaving the field.
        QFocusEvent toMessageBox(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(e, &toMessageBox);
        QCOMPARE(e->text(), pasted);
        pressEnter(e);
        QVERIFY(QApplication::focusWidget() != e);
        QTEST(e->text(), "shown");
    }

    // The buttons work on what the field being typed shows once left, as a click elsewhere would
    // leave it: the picture buttons take no focus.
    void buttonsFirstLeaveTheFieldBeingTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QStringList>("expected"); // name=text of the card's fields afterwards
        QTest::newRow("Calcola valore, stock 3,6 with cost 2,50")
            << "btnValore"
            << "txtGiacenza"
            << "3,6" << QStringList{"txtGiacenza=4", "txtCosto=2,50", "txtValore=10,00"};
        QTest::newRow("Calcola valore, cost 2,5 typed")
            << "btnValore"
            << "txtCosto"
            << "2,5" << QStringList{"txtCosto=2,50", "txtValore=10,00"};
        QTest::newRow("Calcola, price 10 typed")
            << "btnCalcola"
            << "txtPrezzo"
            << "10" << QStringList{"txtPrezzo=10,00", "txtPrezzo_con_Iva=12,20"};
        QTest::newRow("Scorpora, price with VAT 122 typed")
            << "btnScorpora"
            << "txtPrezzo_con_Iva"
            << "122" << QStringList{"txtPrezzo_con_Iva=122,00", "txtPrezzo=100,00"};
    }
    void buttonsFirstLeaveTheFieldBeingTyped()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QStringList, expected);
        Fixture f;
        f.edit(QStringLiteral("txtCosto"))->setText(QStringLiteral("2,50"));
        f.edit(QStringLiteral("txtGiacenza"))->setText(QStringLiteral("4"));
        f.edit(QStringLiteral("txtPercIva"))->setText(QStringLiteral("22"));
        f.edit(QStringLiteral("txtPrezzo"))->setText(QStringLiteral("10"));
        f.edit(QStringLiteral("txtPrezzo_con_Iva"))->setText(QStringLiteral("122,00"));
        QLineEdit *typed = f.edit(field);
        typed->setFocus();
        typed->selectAll();
        typed->insert(pasted);
        QCOMPARE(typed->text(), pasted);
        QTest::mouseClick(find<QToolButton>(&f.card, button), Qt::LeftButton);
        for (const QString &pair : expected) {
            const QString name = pair.section(u'=', 0, 0);
            QCOMPARE(name + u'=' + f.text(name), pair);
        }
        QVERIFY(f.messages().shown.isEmpty());
    }

    void stockButtonsOpenOnTheLeftStock_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("+") << "btnAggiungi";
        QTest::newRow("-") << "btnSottrai";
    }
    void stockButtonsOpenOnTheLeftStock()
    {
        QFETCH(QString, button);
        Fixture f;
        QLineEdit *stock = f.edit(QStringLiteral("txtGiacenza"));
        stock->setFocus();
        stock->insert(QStringLiteral("3,6"));
        QString opening;
        withNextModal(
            [&] { QTest::mouseClick(find<QToolButton>(&f.card, button), Qt::LeftButton); },
            [&](QDialog *modal) { opening = find<QLineEdit>(modal, QStringLiteral("txtGiacenza"))->text(); });
        QCOMPARE(opening, QStringLiteral("4"));
        QCOMPARE(stock->text(), QStringLiteral("4"));
    }

    void keyFiltersAndEnterRing()
    {
        Fixture f;
        QLineEdit *stock = f.edit(QStringLiteral("txtGiacenza"));
        stock->clear();
        stock->setFocus();
        type(stock, QStringLiteral("1-2a,3"));
        QCOMPARE(stock->text(), QStringLiteral("123"));
        QLineEdit *cost = f.edit(QStringLiteral("txtCosto"));
        cost->clear();
        cost->setFocus();
        type(cost, QStringLiteral("-12.5,0e"));
        QCOMPARE(cost->text(), QStringLiteral("125,0"));
        QLineEdit *code = f.edit(QStringLiteral("txtCodice"));
        code->setFocus();
        type(code, QString(31, u'X'));
        QCOMPARE(code->text().size(), 30);

        const QStringList ring = {"txtCodice",      "txtTipologia",      "txtMarca",        "txtModello",
                                  "txtDescrizione", "txtAccessori",      "txtFornitore",    "txtRecapiti",
                                  "txtData",        "txtDocumento",      "txtOrdine",       "txtGiacenza",
                                  "txtSottoscorta", "txtCosto",          "txtValore",       "txtPrezzo",
                                  "txtPercIva",     "txtPrezzo_con_Iva", "txtCollocazione", "txtNote"};
        QStringList visited;
        for (int i = 0; i <= ring.size(); ++i) {
            visited << f.focused();
            pressEnter(QApplication::focusWidget());
        }
        QCOMPARE(visited, ring + QStringList{QStringLiteral("txtCodice")});
    }

    void webSearch_data()
    {
        QTest::addColumn<QString>("marca");
        QTest::addColumn<QString>("modello");
        QTest::addColumn<QString>("opened"); // empty: the brand warning instead
        QTest::newRow("brand and model, trimmed")
            << "  Michelin "
            << " Pilot Sport 4 "
            << "\"https://www.google.com/search?q=Michelin Pilot Sport 4\"";
        QTest::newRow("no model leaves a trailing blank") << "Pirelli"
                                                          << ""
                                                          << "\"https://www.google.com/search?q=Pirelli \"";
        QTest::newRow("characters that would cut the query")
            << "Dolce&Gabbana"
            << "No. 1 #2 +50%"
            << "\"https://www.google.com/search?q=Dolce%26Gabbana No. 1 %232 %2B50%25\"";
        QTest::newRow("no brand") << ""
                                  << "Alpin 6"
                                  << "";
        QTest::newRow("brand of blanks only") << "   "
                                              << "Alpin 6"
                                              << "";
    }
    void webSearch()
    {
        QFETCH(QString, marca);
        QFETCH(QString, modello);
        QFETCH(QString, opened);
        Fixture f;
        f.edit(QStringLiteral("txtMarca"))->setText(marca);
        f.edit(QStringLiteral("txtModello"))->setText(modello);
        f.edit(QStringLiteral("txtNote"))->setFocus();
        click(&f.card, QStringLiteral("cmdWeb"));
        if (opened.isEmpty()) {
            QVERIFY(f.platform.shell.opened.isEmpty());
            QCOMPARE(f.messages().shown.size(), 1);
            QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
            QCOMPARE(f.messages().shown[0].text,
                     QStringLiteral(
                         "Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario compilare "
                         "il campo relativo alla marca dell'articolo."));
            QCOMPARE(f.focused(), QStringLiteral("txtMarca"));
        } else {
            QCOMPARE(f.platform.shell.opened, QStringList{opened});
            QVERIFY(f.messages().shown.isEmpty());
        }
    }

    void webSearchThatCannotBeHandedOverIsReported()
    {
        Fixture f;
        FailingShell failing;
        Environment e = Environment::current();
        e.shell = &failing;
        Environment::install(e);
        f.edit(QStringLiteral("txtMarca"))->setText(QStringLiteral("Michelin"));
        click(&f.card, QStringLiteral("cmdWeb"));
        e.shell = &f.platform.shell;
        Environment::install(e);
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text,
                 QStringLiteral(
                     "Attenzione: il sistema non permette di collegarsi al motore di ricerca di Google."
                     "\n\r\n\rAccertarsi che la propria connessione a Internet funzioni correttamente."));
    }

    void stockWindowChangesTheCardsStock_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("closeWith");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("after");
        const QString add = QStringLiteral("Quantit\u00E0 da aggiungere:");
        const QString subtract = QStringLiteral("Quantit\u00E0 da sottrarre:");
        QTest::newRow("add, applied without Calcola totale") << "btnAggiungi"
                                                             << "5"
                                                             << "3"
                                                             << "btnAggiorna" << add << "8";
        QTest::newRow("subtract below zero") << "btnSottrai"
                                             << "5"
                                             << "8"
                                             << "btnAggiorna" << subtract << "-3";
        QTest::newRow("blank stock counts as 0") << "btnAggiungi"
                                                 << " "
                                                 << "2"
                                                 << "btnAggiorna" << add << "2";
        QTest::newRow("cancel keeps the stock") << "btnSottrai"
                                                << "5"
                                                << "8"
                                                << "btnChiudi" << subtract << "5";
        QTest::newRow("cancel still fills a blank stock") << "btnAggiungi"
                                                          << ""
                                                          << "4"
                                                          << "btnChiudi" << add << "0";
    }
    void stockWindowChangesTheCardsStock()
    {
        QFETCH(QString, button);
        QFETCH(QString, stock);
        QFETCH(QString, quantity);
        QFETCH(QString, closeWith);
        QFETCH(QString, label);
        Fixture f;
        f.edit(QStringLiteral("txtGiacenza"))->setText(stock);
        StockAdjustment::Texts opening;
        QString shownLabel;
        QString title;
        withNextModal([&] { click(&f.card, button); },
                      [&](QDialog *modal) {
                          auto *window = qobject_cast<TfrmGiacenza *>(modal);
                          if (!window)
                              qFatal("the stock window did not open");
                          title = window->windowTitle();
                          opening = window->texts();
                          shownLabel = find<QLabel>(window, QStringLiteral("lblAggiunta"))->text();
                          find<QLineEdit>(window, QStringLiteral("txtAggiunta"))->setText(quantity);
                          click(window, closeWith);
                      });
        QCOMPARE(title, QStringLiteral(" Aggiornamento giacenza"));
        QCOMPARE(shownLabel, label);
        const QString trimmed = stock.trimmed().isEmpty() ? QStringLiteral("0") : stock.trimmed();
        QCOMPARE(opening.giacenza, trimmed);
        QCOMPARE(opening.aggiunta, QStringLiteral("0"));
        QCOMPARE(opening.totale, trimmed);
        QTEST(f.text(QStringLiteral("txtGiacenza")), "after");
        QVERIFY(f.card.findChildren<TfrmGiacenza *>().isEmpty()); // destroyed on closing
        QVERIFY(!QFile::exists(f.path()));
    }

    void extraDataWindowRoundTrip_data()
    {
        QTest::addColumn<bool>("apply");
        QTest::newRow("applied and saved") << true;
        QTest::newRow("cancelled") << false;
    }
    void extraDataWindowRoundTrip()
    {
        QFETCH(bool, apply);
        Fixture f;
        writeFile(f.path(), tyre());
        click(&f.card, QStringLiteral("cmdPrimo"));
        QStringList opened;
        QString focus;
        withNextModal(
            [&] { click(&f.card, QStringLiteral("btnPneumatici")); },
            [&](QDialog *modal) {
                auto *window = qobject_cast<TfrmDatiPneumatici *>(modal);
                if (!window)
                    qFatal("the extra data window did not open");
                focus = window->focusWidget() ? window->focusWidget()->objectName() : QString();
                for (const char *name : {"txtConsumo", "txtAderenza", "txtRumore", "txtOnde"})
                    opened << find<QLineEdit>(window, QLatin1StringView(name))->text();
                find<QLineEdit>(window, QStringLiteral("txtConsumo"))->setText(QStringLiteral(" 60 "));
                find<QLineEdit>(window, QStringLiteral("txtOnde"))->clear();
                click(window, apply ? QStringLiteral("btnApplica") : QStringLiteral("btnAnnulla"));
            });
        QCOMPARE(opened, QStringList({"55", "205", "16", "2027"}));
        QCOMPARE(focus, QStringLiteral("txtConsumo"));
        QVERIFY(f.card.findChildren<TfrmDatiPneumatici *>().isEmpty());
        QCOMPARE(f.label(QStringLiteral("memConsumo")), apply ? QStringLiteral("60") : QStringLiteral("55"));
        QCOMPARE(f.label(QStringLiteral("memOnde")), apply ? QString() : QStringLiteral("2027"));
        QCOMPARE(f.file(), tyre()); // nothing is stored before Save

        click(&f.card, QStringLiteral("cmdSalva"));
        const Record r = f.stored(1);
        QCOMPARE(r.text(Magazzino::Altezza), apply ? QStringLiteral("60") : QStringLiteral("55"));
        QCOMPARE(r.text(Magazzino::Larghezza), QStringLiteral("205"));
        QCOMPARE(r.text(Magazzino::Scadenza), apply ? QString() : QStringLiteral("2027"));
        QCOMPARE(rawField(f.file(), 2491), apply ? QStringLiteral("60") : QStringLiteral("55")); // Altezza
    }

    void helpShowsTheWarehousePage()
    {
        Fixture f;
        QString title;
        withNextModal([&] { click(&f.card, QStringLiteral("cmdGuida")); },
                      [&](QDialog *modal) {
                          title = find<QLabel>(modal, QStringLiteral("lblTitolo"))->text();
                          click(modal, QStringLiteral("btnChiudi"));
                      });
        QCOMPARE(title, QStringLiteral("Applicazione Magazzino Prodotti e Servizi."));
    }

    void commandsAndHints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("hint");
        QTest::newRow("cmdNuovo") << "cmdNuovo" << true
                                  << "Prepara la schermata per la registrazione di una nuova scheda.";
        QTest::newRow("cmdDuplica")
            << "cmdDuplica" << true
            << "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.";
        QTest::newRow("cmdFile") << "cmdFile" << true << "Allega file alla scheda corrente.";
        QTest::newRow("cmdSalva") << "cmdSalva" << true << "Salva la scheda corrente in archivio.";
        QTest::newRow("cmdTrova") << "cmdTrova" << true << "Trova una scheda in archivio.";
        QTest::newRow("cmdStampa") << "cmdStampa" << true << "Stampa la scheda corrente.";
        QTest::newRow("cmdPDF") << "cmdPDF" << true << "Esporta la scheda in formato PDF.";
        QTest::newRow("cmdWeb")
            << "cmdWeb" << true
            << "Cerca sul Web, tramite Google, informazioni relative all'articolo corrente.";
        QTest::newRow("cmdSottoscorta")
            << "cmdSottoscorta" << true << "Visualizza l'elenco dei materiali in esaurimento.";
        QTest::newRow("cmdEsporta") << "cmdEsporta" << true
                                    << "Esporta le schede in archivio in un file di Microsoft Excel.";
        QTest::newRow("cmdGuida") << "cmdGuida" << true
                                  << "Visualizza la pagina della guida sensibile al contesto.";
        QTest::newRow("cmdEsci") << "cmdEsci" << true << "Esci da questa schermata di lavoro.";
        QTest::newRow("cmdPrimo") << "cmdPrimo" << true << "Visualizza la prima scheda in archivio.";
        QTest::newRow("cmdIndietro") << "cmdIndietro" << true
                                     << "Visualizza la scheda precedente in archivio.";
        QTest::newRow("cmdAvanti") << "cmdAvanti" << true << "Visualizza la scheda successiva in archivio.";
        QTest::newRow("cmdUltimo") << "cmdUltimo" << true << "Visualizza l'ultima scheda in archivio.";
        QTest::newRow("impFornitore")
            << "impFornitore" << true << "Importa i dati del fornitore dall'archivio anagrafico.";
        QTest::newRow("btnPneumatici")
            << "btnPneumatici" << true << "Registra ulteriori informazioni sul prodotto corrente.";
        QTest::newRow("btnAggiungi") << "btnAggiungi" << true
                                     << "Aggiorna la giacenza aggiungendo una certa quantit\u00E0.";
        QTest::newRow("btnSottrai") << "btnSottrai" << true
                                    << "Aggiorna la giacenza sottraendo una certa quantit\u00E0.";
        QTest::newRow("btnValore")
            << "btnValore" << true
            << "Calcola il valore totale della merce in magazzino moltiplicando il costo per "
               "la giacenza.";
        QTest::newRow("btnCalcola")
            << "btnCalcola" << true
            << "Calcola il prezzo IVA inclusa dell'articolo corrente in base all'aliquota indicata.";
        QTest::newRow("btnScorpora")
            << "btnScorpora" << true
            << "Scorpora il prezzo lordo dell'articolo corrente calcolando l'imponibile in "
               "base all'aliquota IVA indicata.";
    }
    void commandsAndHints()
    {
        QFETCH(QString, control);
        QFETCH(bool, enabled);
        QFETCH(QString, hint);
        Fixture f;
        f.card.setWindowState(Qt::WindowNoState);
        f.card.resize(1366, 768);
        QApplication::processEvents();
        QCOMPARE(f.card.windowTitle(), QStringLiteral(" Quadrivo - Magazzino Prodotti e Servizi"));
        QCOMPARE(f.card.hintLabel()->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        auto *button = find<QAbstractButton>(&f.card, control);
        QCOMPARE(button->isEnabled(), enabled);
        QVERIFY(button->isVisible());
        QCOMPARE(hintOver(button, f.card.hintLabel()), hint);
        QVERIFY(!f.card.findChild<QWidget *>(QStringLiteral("cmdAnteprima")));
    }

    void shots()
    {
        Fixture f;
        writeFile(f.path(), tyre());
        click(&f.card, QStringLiteral("cmdPrimo"));
        f.edit(QStringLiteral("txtPrezzo"))->setFocus();
        WindowShot::keepAtScreenSizes(&f.card, QStringLiteral("TfrmMagazzino"));
        withNextModal([&] { click(&f.card, QStringLiteral("btnSottrai")); },
                      [&](QDialog *modal) {
                          WindowShot::keep(modal, QStringLiteral("TfrmGiacenza"));
                          click(modal, QStringLiteral("btnChiudi"));
                      });
        withNextModal([&] { click(&f.card, QStringLiteral("btnPneumatici")); },
                      [&](QDialog *modal) {
                          WindowShot::keep(modal, QStringLiteral("TfrmDatiPneumatici"));
                          click(modal, QStringLiteral("btnAnnulla"));
                      });
    }
};

QTEST_MAIN(TestTfrmMagazzino)
#include "tst_tfrmmagazzino.moc"
