// The quote window as a card: opening, New and its numbering, Save with its checks and the record
// it writes, navigation, the issuer data written on closing, archive failures, the transport
// dialog and the buttons of the panels.
#include "QuoteWindowKit.h"
#include "core/TextField.h"
#include "quotes/IssuerSettings.h"
#include "quotes/Taccuino.h"
#include "quotes/TfrmMenuPreventivi.h"

#include <QDir>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace QuoteWindowKit;
using namespace Preventivi;

namespace {

const QString kInserted = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString kNoCustomer = QStringLiteral(
    "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome o la ragione sociale del cliente.");
const QString kNoNumber =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il numero del preventivo.");
const QString kNoDate =
    QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la data del preventivo.");
const QString kBadDate =
    QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda "
                   "\u00E8 necessario indicare una data valida nel formato gg/mm/anno.");
const QString kAccess = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                       "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                       "installazione del programma.");

const QStringList kIssuerSettings = {QStringLiteral("[Ditta Emittente]"),
                                     QStringLiteral("Nome=Bianchi Forniture"),
                                     QStringLiteral("Indirizzo=Via Roma 1"),
                                     QStringLiteral("CAP=20100"),
                                     QStringLiteral("Comune=Milano"),
                                     QStringLiteral("Provincia=MI"),
                                     QStringLiteral("Partita IVA=01234567890"),
                                     QStringLiteral("Codice Fiscale=01234567890"),
                                     QStringLiteral("Campo Libero 1=Tel. 02 123456"),
                                     QStringLiteral("Campo Libero 2=info@bianchi.it"),
                                     QStringLiteral("Pagamento=Bonifico 30 gg"),
                                     QStringLiteral("Banca Appoggio=Banca Popolare"),
                                     QStringLiteral("Iban=IT60X0542811101000000123456"),
                                     QStringLiteral("Aliquota Iva=22")};

// Three quotes of 2024, each with its own customer, issuer and a line on page 5.
QByteArray threeQuotes()
{
    QByteArray bytes;
    for (int i = 1; i <= 3; ++i) {
        bytes += quote({{txtNumFatt, QString::number(i)},
                        {txtData, QStringLiteral("0%1/02/2024").arg(i)},
                        {txtCliente, QStringLiteral("Cliente %1").arg(i)},
                        {txtDitta, QStringLiteral("Emittente %1").arg(i)},
                        {txtPercIva, QStringLiteral("22")},
                        {lineField(Column::Desc, 23), QStringLiteral("Riga 23 del %1").arg(i)},
                        {lineField(Column::Quant, 1), QStringLiteral("2")},
                        {lineField(Column::Prezzo, 1), QStringLiteral("10,00")},
                        // Stored amounts that do not agree with the line: shown as stored.
                        {lineField(Column::Importo, 1), QStringLiteral("99,00")},
                        {txtTotFattura, QStringLiteral("120,78")},
                        {memMarca, QStringLiteral("Vettore %1").arg(i)},
                        {chkSaldata, QStringLiteral("S\u00EC")}})
                     .encode();
    }
    return bytes;
}

// Customer, number and date, so that Save gets past its checks.
void fillMandatory(Fixture &f, const QString &date = QStringLiteral("15/03/2024"))
{
    type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
    type(f.edit(QStringLiteral("txtNumFatt")), QStringLiteral("7"));
    type(f.edit(QStringLiteral("txtData")), date);
}

} // namespace

class TestQuoteWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        useProgramLook();
        RecordFile::setLockDeadlineMs(300);
    }

    void opensEmptyWithTheIssuerDataOfTheSettings()
    {
        Fixture f(iniBytes(kIssuerSettings));
        QCOMPARE(f.window->windowTitle(), QStringLiteral(" Quadrivo - Emissione preventivi anno 2024"));
        QCOMPARE(f.text(QStringLiteral("lblFile")), f.yearPath());
        QCOMPARE(f.text(QStringLiteral("txtDitta")), QStringLiteral("Bianchi Forniture"));
        QCOMPARE(f.text(QStringLiteral("txtProvDitta")), QStringLiteral("MI"));
        QCOMPARE(f.text(QStringLiteral("txtIban")), QStringLiteral("IT60X0542811101000000123456"));
        QCOMPARE(f.text(QStringLiteral("txtPercIva")), QStringLiteral("22"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QString());
        QCOMPARE(f.text(QStringLiteral("txtData")), QString());
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage01"));
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.window->hintLabel()->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // Opening touches no file.
        QVERIFY(!f.folder.exists(QStringLiteral("2024.pre")));
    }

    void theYearWindowOpensItOnTheYearFile()
    {
        TestFolder folder;
        FakePlatform platform;
        TfrmMenuPreventivi years;
        std::unique_ptr<TfrmPreventivi> quotes(createTfrmPreventivi());
        connect(&years, &TfrmMenuPreventivi::openYear, quotes.get(), &TfrmPreventivi::openYear);
        years.show();
        auto *year = years.findChild<QLineEdit *>(QStringLiteral("txtAnnoPreventivi"));
        year->setText(QStringLiteral("2025"));
        years.findChild<QAbstractButton *>(QStringLiteral("btnApriPreventivi"))->click();
        QVERIFY(quotes->isVisible());
        QCOMPARE(quotes->yearFile(), folder.file(QStringLiteral("2025.pre")));
        QCOMPARE(quotes->windowTitle(), QStringLiteral(" Quadrivo - Emissione preventivi anno 2025"));
        quotes->hide();
    }

    void newProposesStartPlusCount_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("quotes");
        QTest::addColumn<int>("computerYear");
        QTest::addColumn<QString>("number");
        const QString section = QStringLiteral("[Numerazione Preventivi]");
        QTest::newRow("no settings, empty year") << QStringList() << 0 << 2024 << "1";
        QTest::newRow("start 50, three quotes") << QStringList{section, QStringLiteral("Inizio=50")} << 3 << 2024 << "53";
        QTest::newRow("start 0") << QStringList{section, QStringLiteral("Inizio=0")} << 0 << 2024 << "0";
        QTest::newRow("year of the computer, not of the file")
            << QStringList{section, QStringLiteral("Indicazione Anno Solare=S\u00EC")} << 3 << 2026 << "4/2026";
        QTest::newRow("other spellings append nothing")
            << QStringList{section, QStringLiteral("Indicazione Anno Solare=Si")} << 3 << 2024 << "4";
        // clang-format on
    }
    void newProposesStartPlusCount()
    {
        QFETCH(QStringList, settings);
        QFETCH(int, quotes);
        QFETCH(int, computerYear);
        QFETCH(QString, number);
        QByteArray year;
        for (int i = 0; i < quotes; ++i)
            year += quote({{txtCliente, QStringLiteral("C")}}).encode();
        Fixture f(iniBytes(settings), year);
        f.platform.clock.value = QDateTime(QDate(computerYear, 1, 9), QTime(8, 0));
        f.edit(QStringLiteral("txtNote"))->setFocus();
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), number);
        QCOMPARE(f.text(QStringLiteral("txtData")), QStringLiteral("09/01/%1").arg(computerYear));
        QCOMPARE(f.focused(), QStringLiteral("txtCliente"));
        QCOMPARE(f.messages().shown.size(), 0);
    }

    void newNumbersOneThenTwoAfterASave()
    {
        Fixture f;
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QStringLiteral("1"));
        QCOMPARE(f.records(), 0); // New creates the empty year file
        QVERIFY(f.folder.exists(QStringLiteral("2024.pre")));
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kInserted);
        QCOMPARE(f.position(), QStringLiteral("1"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QStringLiteral("2"));
        QCOMPARE(f.position(), QString());
    }

    void theNumberingWindowSetsTheStartOfNew()
    {
        Fixture f({}, threeQuotes());
        QString caption;
        withNextModal([&] { f.click(QStringLiteral("cmdNumerazione")); },
                      [&](QDialog *modal) {
                          caption = modal->windowTitle();
                          QCOMPARE(modal->objectName(), QStringLiteral("TfrmNumerazione"));
                          auto *inizio = modal->findChild<QLineEdit *>(QStringLiteral("txtInizio"));
                          inizio->setText(QStringLiteral("50"));
                          modal->findChild<QAbstractButton *>(QStringLiteral("btnApplica"))->click();
                      });
        QCOMPARE(caption, QStringLiteral(" Impostazione inizio numerazione preventivi"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QStringLiteral("53"));
    }

    void theLogoWindowOpensFromTheIssuerPanel()
    {
        Fixture f;
        QString opened;
        withNextModal([&] { f.click(QStringLiteral("btnLogo")); },
                      [&](QDialog *modal) {
                          opened = modal->objectName();
                          modal->findChild<QAbstractButton *>(QStringLiteral("btnAnnulla"))->click();
                      });
        QCOMPARE(opened, QStringLiteral("TfrmLogo"));
        QVERIFY(!f.folder.exists(QStringLiteral("Logo.bmp")));
    }

    void aStartNumberThatIsNoNumberLeavesTheWindowReset()
    {
        Fixture f(iniBytes({QStringLiteral("[Numerazione Preventivi]"), QStringLiteral("Inizio=dieci")}));
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Error);
        QCOMPARE(f.messages().shown[0].text, kAccess);
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QString());
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QString());
        QCOMPARE(f.text(QStringLiteral("txtData")), QString());
    }

    void newResetsTheQuoteAndKeepsIssuerTermsAndRate()
    {
        Fixture f({}, threeQuotes());
        f.click(QStringLiteral("cmdUltimo"));
        f.showPage(4);
        QCOMPARE(f.text(QStringLiteral("memMarca")), QStringLiteral("Vettore 3"));
        QVERIFY(f.check(QStringLiteral("chkSaldata"))->isChecked());
        f.check(QStringLiteral("chkEs03"))->setChecked(true);
        f.find<QComboBox>(QStringLiteral("txtProvCliente"))->setCurrentIndex(3);
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QStringLiteral("4"));
        for (const char *name : {"txtCliente", "txtProvCliente", "memMarca", "txtQuant01", "txtDesc23",
                                 "txtImporto01", "txtTotFattura", "lblPosizione"})
            QVERIFY2(f.text(QLatin1StringView(name)).isEmpty(), name);
        QVERIFY(!f.check(QStringLiteral("chkSaldata"))->isChecked());
        QVERIFY(!f.check(QStringLiteral("chkEs03"))->isChecked());
        QCOMPARE(f.find<QComboBox>(QStringLiteral("txtProvCliente"))->currentIndex(), -1);
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage01"));
        // What the loaded quote showed of the issuer and the rate carries over.
        QCOMPARE(f.text(QStringLiteral("txtDitta")), QStringLiteral("Emittente 3"));
        QCOMPARE(f.text(QStringLiteral("txtPercIva")), QStringLiteral("22"));
    }

    void saveChecksInOrder_data()
    {
        // clang-format off
        QTest::addColumn<QString>("cliente");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("warning"); // empty: saved
        QTest::addColumn<QString>("focus");
        QTest::newRow("nothing") << "" << "" << "" << kNoCustomer << "txtCliente";
        QTest::newRow("no number") << "Rossi" << "" << "15/03/2024" << kNoNumber << "txtNumFatt";
        QTest::newRow("blank number") << "Rossi" << "   " << "15/03/2024" << kNoNumber << "txtNumFatt";
        QTest::newRow("no date") << "Rossi" << "7" << "" << kNoDate << "txtData";
        QTest::newRow("30/02/2024") << "Rossi" << "7" << "30/02/2024" << kBadDate << "txtData";
        QTest::newRow("29/02 of a common year") << "Rossi" << "7" << "29/02/2023" << kBadDate << "txtData";
        QTest::newRow("31/04/2024") << "Rossi" << "7" << "31/04/2024" << kBadDate << "txtData";
        QTest::newRow("two-digit year") << "Rossi" << "7" << "15/03/24" << kBadDate << "txtData";
        QTest::newRow("dashes") << "Rossi" << "7" << "15-03-2024" << kBadDate << "txtData";
        QTest::newRow("three-digit day") << "Rossi" << "7" << "015/03/2024" << kBadDate << "txtData";
        QTest::newRow("day zero") << "Rossi" << "7" << "0/03/2024" << kBadDate << "txtData";
        QTest::newRow("year 0000") << "Rossi" << "7" << "01/01/0000" << kBadDate << "txtData";
        QTest::newRow("words") << "Rossi" << "7" << "oggi" << kBadDate << "txtData";
        QTest::newRow("29/02 of a leap year") << "Rossi" << "7" << "29/02/2024" << "" << "";
        QTest::newRow("one-digit day and month") << "Rossi" << "7" << "1/2/2024" << "" << "";
        QTest::newRow("blanks around") << "Rossi" << "7" << " 5/3/2024 " << "" << "";
        // clang-format on
    }
    void saveChecksInOrder()
    {
        QFETCH(QString, cliente);
        QFETCH(QString, numero);
        QFETCH(QString, data);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        type(f.edit(QStringLiteral("txtCliente")), cliente);
        type(f.edit(QStringLiteral("txtNumFatt")), numero);
        type(f.edit(QStringLiteral("txtData")), data);
        f.edit(QStringLiteral("txtNote"))->setFocus();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().shown.size(), 1);
        if (!warning.isEmpty()) {
            QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
            QCOMPARE(f.messages().shown[0].text, warning);
            QCOMPARE(f.focused(), focus);
            QVERIFY(!f.folder.exists(QStringLiteral("2024.pre")));
            QCOMPARE(f.position(), QString());
        } else {
            QCOMPARE(f.messages().shown[0].text, kInserted);
            QCOMPARE(f.records(), 1);
            // Stored as typed (the record keeps it trimmed), not rewritten into dd/mm/yyyy.
            QCOMPARE(f.stored(1).text(txtData), TextField::trim(data));
        }
    }

    void saveCalculatesFirstEvenWhenItStops()
    {
        Fixture f;
        type(f.edit(QStringLiteral("txtQuant01")), QStringLiteral("3"));
        type(f.edit(QStringLiteral("txtPrezzo01")), QStringLiteral("10"));
        type(f.edit(QStringLiteral("txtPercSconto01")), QStringLiteral("10"));
        type(f.edit(QStringLiteral("txtPercIva")), QStringLiteral("22"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kNoCustomer);
        QCOMPARE(f.text(QStringLiteral("txtImporto01")), QStringLiteral("27,00"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QStringLiteral("32,94"));

        // Typing empties the results again; the next Save stores fresh ones.
        type(f.edit(QStringLiteral("txtQuant01")), QStringLiteral("0"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QString());
        fillMandatory(f);
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kInserted);
        const Record r = f.stored(1);
        QCOMPARE(r.text(lineField(Column::Quant, 1)), QStringLiteral("30"));
        QCOMPARE(r.text(lineField(Column::Importo, 1)), QStringLiteral("270,00"));
        QCOMPARE(r.text(txtTotImponibile), QStringLiteral("270,00"));
        QCOMPARE(r.text(txtTotImposta), QStringLiteral("59,40"));
        QCOMPARE(r.text(txtTotFattura), QStringLiteral("329,40"));
    }

    // A computed amount longer than its Text(10) field would be stored cut: Save warns, puts the
    // focus on a price to correct and writes nothing.
    void amountsThatDoNotFitAreNotSaved_data()
    {
        QTest::addColumn<QStringList>("lines"); // quantity;price;exempt for lines 1, 2, ...
        QTest::addColumn<QString>("shown");     // the amount named by the warning, as shown
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const auto total = [](const char *name, const char *text) {
            return QStringLiteral(
                       "Attenzione: l'importo del totale %1 (%2) supera la capacit\u00E0 del campo e "
                       "non pu\u00F2 essere salvato.\n\r\n\rIl campo contiene al massimo 10 "
                       "caratteri: ridurre gli importi delle righe, oppure suddividere il "
                       "preventivo in pi\u00F9 preventivi.")
                .arg(QLatin1StringView(name), QLatin1StringView(text));
        };
        QTest::newRow("9999999,99 and an exempt 100000 at 22 %")
            << QStringList{"1;9999999,99;", "1;100000;es"} << "12199999,99"
            << total("IVA inclusa", "12199999,99") << "txtPrezzo01";
        QTest::newRow("only the quote's total") << QStringList{"1;8000000;", "1;500000;es"} << "10260000,00"
                                                << total("preventivo", "10260000,00") << "txtPrezzo01";
        QTest::newRow("a four-decimal line amount on line 7")
            << QStringList{"1;10;", "", "", "", "", "", "2;57226,1164;"} << "114452,2328"
            << QStringLiteral(
                   "Attenzione: l'importo della riga 7 (114452,2328) supera la capacit\u00E0 del campo "
                   "e non pu\u00F2 essere salvato.\n\r\n\rIl campo contiene al massimo 10 caratteri: "
                   "ridurre la quantit\u00E0 o il prezzo della riga, oppure suddividerla su pi\u00F9 "
                   "righe.")
            << "txtPrezzo07";
    }
    void amountsThatDoNotFitAreNotSaved()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        fillMandatory(f);
        f.edit(QStringLiteral("txtPercIva"))->setText(QStringLiteral("22"));
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList parts = lines[i].split(u';');
            if (parts.size() < 3)
                continue;
            f.edit(QStringLiteral("txtQuant") + nn(i + 1))->setText(parts[0]);
            f.edit(QStringLiteral("txtPrezzo") + nn(i + 1))->setText(parts[1]);
            f.check(QStringLiteral("chkEs") + nn(i + 1))->setChecked(parts[2] == QLatin1StringView("es"));
        }
        f.edit(QStringLiteral("txtNote"))->setFocus();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, warning);
        QVERIFY(f.window->findChild<QWidget *>(focus)->isVisible());
        QCOMPARE(f.focused(), focus);
        QCOMPARE(f.records(), 0);
        QCOMPARE(f.position(), QString());
        // What the calculation gave stays on view, in full.
        bool onView = false;
        for (QLabel *amount : f.window->findChildren<QLabel *>())
            onView = onView || amount->text() == shown;
        QVERIFY(onView);
    }

    void theRecordHoldsEveryControlAtItsOffset()
    {
        Fixture f(iniBytes(kIssuerSettings));
        f.click(QStringLiteral("cmdNuovo"));
        type(f.edit(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        f.showPage(3);
        type(f.edit(QStringLiteral("txtQuant12")), QStringLiteral("3"));
        f.check(QStringLiteral("chkEs12"))->setChecked(true);
        f.check(QStringLiteral("chkSaldata"))->setChecked(true);
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().lastText(), kInserted);
        const QByteArray bytes = f.file();
        QCOMPARE(bytes.size(), 4886);
        QCOMPARE(int(bytes[385]), 5);
        QCOMPARE(bytes.mid(386, 5), QByteArray("Rossi"));
        QCOMPARE(int(bytes[1163]), 1);
        QCOMPARE(bytes[1164], '3');
        // The price the calculation put in, the exempt flag and the issuer from the settings.
        QCOMPARE(bytes.mid(3606 + 11 * 11, 5), QByteArray("\x04"
                                                          "0,00"));
        QCOMPARE(bytes.mid(4476 + 11 * 3, 3), QByteArray("\x02"
                                                         "S\xEC"));
        QCOMPARE(bytes.mid(4883, 3), QByteArray("\x02"
                                                "S\xEC"));
        QCOMPARE(bytes.mid(4476, 3), QByteArray("\x02"
                                                "No"));
        QCOMPARE(bytes.mid(52, 18), QByteArray("\x11"
                                               "Bianchi Forniture"));
        QCOMPARE(bytes.mid(4577, 3), QByteArray("\x02"
                                                "22"));
    }

    void savingAgainOverwritesTheQuoteShown()
    {
        Fixture f({}, threeQuotes());
        f.click(QStringLiteral("cmdPrimo"));
        f.click(QStringLiteral("cmdAvanti"));
        QCOMPARE(f.position(), QStringLiteral("2"));
        f.edit(QStringLiteral("txtRiferimenti"))->setText(QStringLiteral("Ordine 12"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(
            f.messages().lastText(),
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(f.records(), 3);
        QCOMPARE(f.stored(2).text(txtRiferimenti), QStringLiteral("Ordine 12"));
        QCOMPARE(f.stored(2).text(txtCliente), QStringLiteral("Cliente 2"));
        QCOMPARE(f.stored(1).text(txtRiferimenti), QString());
    }

    void loadingShowsTheStoredQuoteOnTheSamePage()
    {
        Fixture f({}, threeQuotes());
        f.showPage(5);
        f.click(QStringLiteral("cmdPrimo"));
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage05"));
        QCOMPARE(f.text(QStringLiteral("txtDesc23")), QStringLiteral("Riga 23 del 1"));
        f.click(QStringLiteral("cmdUltimo"));
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage05"));
        QCOMPARE(f.position(), QStringLiteral("3"));
        // As stored: no recalculation, no emptying by the texts coming in.
        QCOMPARE(f.text(QStringLiteral("txtImporto01")), QStringLiteral("99,00"));
        QCOMPARE(f.text(QStringLiteral("txtTotFattura")), QStringLiteral("120,78"));
        QCOMPARE(f.text(QStringLiteral("txtDitta")), QStringLiteral("Emittente 3"));
        QCOMPARE(f.text(QStringLiteral("memMarca")), QStringLiteral("Vettore 3"));
        f.click(QStringLiteral("cmdIndietro"));
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("Cliente 2"));
        QCOMPARE(f.visiblePage(), QStringLiteral("grpPage05"));
    }

    void navigationInAnEmptyYear()
    {
        Fixture f;
        f.click(QStringLiteral("cmdAvanti"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
        QCOMPARE(f.messages().shown[0].text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(f.position(), QString());
    }

    void archiveFailuresAreReportedWithTheKindOfEachOperation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<MessageKind>("kind");
        QTest::newRow("first") << "cmdPrimo" << MessageKind::Warning;
        QTest::newRow("save") << "cmdSalva" << MessageKind::Warning;
        QTest::newRow("new") << "cmdNuovo" << MessageKind::Error;
        QTest::newRow("previous") << "cmdIndietro" << MessageKind::Error;
        QTest::newRow("next") << "cmdAvanti" << MessageKind::Error;
        QTest::newRow("last") << "cmdUltimo" << MessageKind::Error;
    }
    void archiveFailuresAreReportedWithTheKindOfEachOperation()
    {
        QFETCH(QString, button);
        QFETCH(MessageKind, kind);
        Fixture f;
        // A year file in a folder that is not there can be neither opened nor created.
        f.window->setYearFile(f.folder.file(QStringLiteral("gone/2024.pre")), f.window->windowTitle());
        fillMandatory(f);
        f.click(button);
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, kind);
        QCOMPARE(f.messages().shown[0].text, kAccess);
        // The window keeps what it showed.
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("Rossi"));
        QCOMPARE(f.text(QStringLiteral("txtNumFatt")), QStringLiteral("7"));
        QVERIFY(!QDir(f.folder.file(QStringLiteral("gone"))).exists());
    }

    void closingWritesTheIssuerKeys()
    {
        Fixture f(iniBytes(kIssuerSettings));
        QSignalSpy toMenu(f.window.get(), &AreaWindow::closedToMenu);
        f.edit(QStringLiteral("txtIban"))->setFocus();
        f.click(QStringLiteral("btnCancDitta"));
        QCOMPARE(f.focused(), QStringLiteral("txtDitta"));
        for (const char *name : {"txtDitta", "txtViaDitta", "txtCapDitta", "txtCittaDitta", "txtProvDitta",
                                 "txtIvaDitta", "txtCodFiscDitta", "txtLibero01", "txtLibero02"})
            QVERIFY2(f.text(QLatin1StringView(name)).isEmpty(), name);
        QCOMPARE(f.text(QStringLiteral("txtPagamento")), QStringLiteral("Bonifico 30 gg"));
        // Nothing is written before the window closes.
        QCOMPARE(Taccuino::readIssuer(f.folder.file(QStringLiteral("Taccuino.ini")))[Taccuino::Nome],
                 QStringLiteral("Bianchi Forniture"));

        f.window->close();
        QVERIFY(!f.window->isVisible());
        QCOMPARE(toMenu.count(), 1);
        QCOMPARE(f.messages().shown.size(), 0);
        const QString ini = f.folder.file(QStringLiteral("Taccuino.ini"));
        const Taccuino::IssuerTexts texts = Taccuino::readIssuer(ini);
        for (int key = Taccuino::Nome; key <= Taccuino::CampoLibero2; ++key)
            QVERIFY2(texts[size_t(key)].isEmpty(), qPrintable(Taccuino::issuerEntries()[size_t(key)].key));
        QCOMPARE(texts[Taccuino::Pagamento], QStringLiteral("Bonifico 30 gg"));
        QCOMPARE(texts[Taccuino::BancaAppoggio], QStringLiteral("Banca Popolare"));
        QCOMPARE(texts[Taccuino::Iban], QStringLiteral("IT60X0542811101000000123456"));
        QCOMPARE(texts[Taccuino::AliquotaIva], QStringLiteral("22"));
        // The nine keys are there, with empty values.
        QVERIFY(f.folder.read(QStringLiteral("Taccuino.ini")).contains("Nome=\r\n"));
    }

    void closingAfterViewingAnOldQuoteStoresItsIssuer()
    {
        Fixture f(iniBytes(kIssuerSettings), threeQuotes());
        f.click(QStringLiteral("cmdPrimo"));
        f.click(QStringLiteral("cmdEsci"));
        QVERIFY(!f.window->isVisible());
        const Taccuino::IssuerTexts texts =
            Taccuino::readIssuer(f.folder.file(QStringLiteral("Taccuino.ini")));
        QCOMPARE(texts[Taccuino::Nome], QStringLiteral("Emittente 1"));
        QCOMPARE(texts[Taccuino::Comune], QString()); // the stored quote has none
        // Opened again, the next quote starts from them.
        f.window->openYear(f.yearPath(), f.window->windowTitle());
        QCOMPARE(f.text(QStringLiteral("txtDitta")), QStringLiteral("Emittente 1"));
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QString());
        QCOMPARE(f.position(), QString());
    }

    void aWindowThatWasNotOpenWritesNoSettings()
    {
        TestFolder folder;
        FakePlatform platform;
        const QByteArray settings = iniBytes(kIssuerSettings);
        folder.write(QStringLiteral("Taccuino.ini"), settings);
        std::unique_ptr<TfrmPreventivi> window(createTfrmPreventivi());
        window->close();
        QCOMPARE(folder.read(QStringLiteral("Taccuino.ini")), settings);
        QCOMPARE(platform.messages.shown.size(), 0);
    }

    void aSettingsFileThatCannotBeWrittenIsReportedAndTheWindowCloses()
    {
        Fixture f;
        // A folder where the settings file should be: nothing can be written there.
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("Taccuino.ini")));
        QSignalSpy toMenu(f.window.get(), &AreaWindow::closedToMenu);
        type(f.edit(QStringLiteral("txtDitta")), QStringLiteral("Bianchi"));
        f.window->close();
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, IssuerSettings::saveFailedMessage());
        QVERIFY(!f.window->isVisible());
        QCOMPARE(toMenu.count(), 1);
    }

    void transportDataGoThroughTheirDialog()
    {
        Fixture f({}, threeQuotes());
        f.click(QStringLiteral("cmdPrimo"));
        // "Annulla" changes nothing.
        withNextModal(
            [&] { f.click(QStringLiteral("cmdDatiComputer")); },
            [](QDialog *modal) {
                QCOMPARE(modal->objectName(), QStringLiteral("TfrmDatiVeicolo"));
                modal->findChild<QLineEdit *>(QStringLiteral("txtMarca"))->setText(QStringLiteral("Altro"));
                modal->findChild<QAbstractButton *>(QStringLiteral("btnAnnulla"))->click();
            });
        QCOMPARE(f.text(QStringLiteral("memMarca")), QStringLiteral("Vettore 1"));

        withNextModal(
            [&] { f.click(QStringLiteral("cmdDatiComputer")); },
            [](QDialog *modal) {
                QCOMPARE(modal->findChild<QLineEdit *>(QStringLiteral("txtMarca"))->text(),
                         QStringLiteral("Vettore 1"));
                modal->findChild<QLineEdit *>(QStringLiteral("txtMarca"))
                    ->setText(QStringLiteral("  Corriere Rapido "));
                modal->findChild<QLineEdit *>(QStringLiteral("txtTarga"))->setText(QStringLiteral("3"));
                modal->findChild<QAbstractButton *>(QStringLiteral("btnApplica"))->click();
            });
        QCOMPARE(f.text(QStringLiteral("memMarca")), QStringLiteral("Corriere Rapido"));
        QCOMPARE(f.text(QStringLiteral("memTarga")), QStringLiteral("3"));
        // Kept only in the window until Save.
        QCOMPARE(f.stored(1).text(memMarca), QStringLiteral("Vettore 1"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.file().mid(871, 16), QByteArray("\x0F"
                                                   "Corriere Rapido"));
        QCOMPARE(f.file().mid(1055, 2), QByteArray("\x01"
                                                   "3"));
    }

    void identifierButtonsOpenTheirCheck_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("issuer VAT number") << "txtIvaDitta" << "01234567890" << "btnIvaDitta" << "TfrmPartitaIva";
        QTest::newRow("customer VAT number") << "txtIvaCliente" << "" << "btnIvaCliente" << "TfrmPartitaIva";
        QTest::newRow("company tax code") << "txtCodFiscCliente" << "01234567890" << "btnCodFiscCliente"
                                          << "TfrmPartitaIva";
        QTest::newRow("personal tax code") << "txtCodFiscCliente" << "RSSMRA80A01H501U" << "btnCodFiscCliente"
                                           << "TfrmCodFisc";
        QTest::newRow("empty tax code") << "txtCodFiscDitta" << "" << "btnCodFiscDitta" << "TfrmCodFisc";
        // clang-format on
    }
    void identifierButtonsOpenTheirCheck()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, button);
        QFETCH(QString, window);
        Fixture f;
        f.edit(field)->setText(QStringLiteral(" ") + value + QStringLiteral(" "));
        const OpenedWindow opened = nextModalOpenedBy([&] { f.click(button); });
        QCOMPARE(opened.name, window);
        QCOMPARE(opened.text, value);
        QCOMPARE(f.text(field), QStringLiteral(" ") + value + QStringLiteral(" "));
    }

    void todayAndTheServicesToCome()
    {
        Fixture f;
        f.click(QStringLiteral("impOggi"));
        QCOMPARE(f.text(QStringLiteral("txtData")), QStringLiteral("15/03/2024"));
        // Every service of the quote window is there from the start.
        QStringList services = {QStringLiteral("cmdTrova"),  QStringLiteral("cmdSospese"),
                                QStringLiteral("cmdStampa"), QStringLiteral("cmdAnteprima"),
                                QStringLiteral("cmdPDF"),    QStringLiteral("cmdEsporta"),
                                QStringLiteral("impCliente")};
        for (int line = 1; line <= 30; ++line)
            services << QStringLiteral("impMag") + nn(line);
        for (const QString &name : std::as_const(services))
            QVERIFY2(f.find<QAbstractButton>(name)->isEnabled(), qPrintable(name));
        QVERIFY(!f.window->findChild<QWidget *>(QStringLiteral("cmdDuplica")));
    }

    void hintsNameTheQuote()
    {
        Fixture f;
        f.window->setWindowState(Qt::WindowNoState);
        f.window->resize(1366, 768);
        QApplication::processEvents();
        const struct
        {
            const char *control;
            const char *hint;
        } hints[] = {{"cmdNuovo", "Predispone la schermata per l'emissione di un nuovo preventivo."},
                     {"cmdPrimo", "Visualizza il primo preventivo in archivio."},
                     {"cmdUltimo", "Visualizza l'ultimo preventivo in archivio."},
                     {"cmdCalcola", "Effettua il calcolo dei totali."},
                     {"imgAvanti_A", "Visualizza i prossimi cinque articoli."},
                     {"chkEs01", "Contrassegna come articolo esente da IVA."},
                     {"impMag02", "Importa i dati dell'articolo dal magazzino."},
                     {"btnCancDitta", "Cancella i dati della Ditta emittente."}};
        for (const auto &h : hints)
            QCOMPARE(f.hintOver(QLatin1StringView(h.control)), QString::fromUtf8(h.hint));
    }
};

QTEST_MAIN(TestQuoteWindow)
#include "tst_quotewindow.moc"
