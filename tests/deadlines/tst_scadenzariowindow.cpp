// The deadlines window as the user meets it: the year on the start panel, the card of that year's
// file, its save checks with their messages, Duplicate, the input rules, the identifier check
// and the bytes that reach the file.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "core/Record.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/TfrmScadenzario.h"
#include "shell/TfrmGuida.h"
#include "shell/card/CardMessages.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace WindowTestKit;
using namespace Scadenzario;

Q_DECLARE_METATYPE(MessageKind)

namespace {

constexpr int R = 1368;

const QString kValidDate =
    QStringLiteral("Per poter salvare la scheda \u00E8 necessario indicare una data valida.");
const QString kSaved = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    TfrmScadenzario window;

    Fixture()
    {
        showActive(&window);
        platform.messages.clear();
    }

    template <class T = QWidget> T *get(const QString &name) { return find<T>(&window, name); }
    QLineEdit *edit(int field) { return get<QLineEdit>(QStringLiteral("txt") + layout().name(field)); }
    QComboBox *combo(int field) { return get<QComboBox>(QStringLiteral("txt") + layout().name(field)); }
    QCheckBox *check(int field) { return get<QCheckBox>(QStringLiteral("chk") + layout().name(field)); }
    QString position() const { return window.positionLabel()->text(); }
    RecordingMessages &messages() { return platform.messages; }
    QByteArray file(const QString &year) const
    {
        return readFile(folder.file(year + QStringLiteral(".sca")));
    }
    Record stored(const QString &year, int position) const
    {
        return Record::decode(layout(), recordAt(file(year), R, position));
    }

    void openYear(const QString &year)
    {
        get<QLineEdit>(QStringLiteral("txtAnno"))->setText(year);
        click(&window, QStringLiteral("btnApri"));
        messages().clear();
    }
    // What the user picks from a list (typing into the lists is blocked).
    void pick(int field, const QString &item)
    {
        QComboBox *c = combo(field);
        const int index = c->findText(item);
        if (index < 0)
            qFatal("No item %s", qPrintable(item));
        c->setCurrentIndex(index);
    }
    void typeInto(int field, const QString &text)
    {
        QLineEdit *e = edit(field);
        e->setFocus();
        type(e, text);
    }
    // Only what Save insists on: date, notice, contact and reason; the time stays 00:00.
    void fillMandatory(const QString &day = QStringLiteral("05"),
                       const QString &month = QStringLiteral("Marzo"))
    {
        pick(Giorno, day);
        pick(Mese, month);
        typeInto(Avviso, QStringLiteral("3"));
        typeInto(Pagatore, QStringLiteral("Rossi Mario"));
        typeInto(Dettagli, QStringLiteral("Rata mutuo"));
    }
    void save()
    {
        messages().clear();
        click(&window, QStringLiteral("cmdSalva"));
    }
};

QByteArray deadline(const QList<QPair<QString, QString>> &texts)
{
    return record(layout(), texts);
}

} // namespace

class TestScadenzarioWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void startPanelOnShow();
    void shortYearWarns_data();
    void shortYearWarns();
    void typedYearOpensItsFile();
    void newCardDefaults();
    void mandatoryOnlyCardSaves();
    void dateMustExist_data();
    void dateMustExist();
    void onlyTheFirstFailedCheckSpeaks();
    void duplicateAppendsAndKeepsTheOriginal();
    void duplicateOfANewCardWarns();
    void typingIsFiltered_data();
    void typingIsFiltered();
    void amountIsNormalisedOnLeavingAndOnSave();
    void enterRing();
    void navigationReadsTheOpenYearOnly();
    void recordsOutsideTheListsLoadEmpty();
    void archiveFailureIsAnError_data();
    void archiveFailureIsAnError();
    void identifierCheckChoosesItsWindow_data();
    void identifierCheckChoosesItsWindow();
    void helpFromBothFaces();
    void hints_data();
    void hints();
    void laterServicesAreVisiblyDisabled();
    void closingReturnsToTheStartPanel();
    void cardFitsTheSmallScreen();
    void shots();
};

void TestScadenzarioWindow::initTestCase()
{
    // As the program starts: its icon theme and font, which the layout checks depend on.
    useProgramLook();
}

void TestScadenzarioWindow::startPanelOnShow()
{
    Fixture f;
    QCOMPARE(f.window.windowTitle(), QStringLiteral(" Quadrivo - Scadenzario e appuntamenti"));
    QVERIFY(f.window.startPanelShown());
    QVERIFY(f.get(QStringLiteral("panAvvio"))->isVisible());
    QVERIFY(!f.get(QStringLiteral("cardPanel"))->isVisible());
    auto *anno = f.get<QLineEdit>(QStringLiteral("txtAnno"));
    QCOMPARE(anno->text(), QStringLiteral("2024")); // the fixed clock's year
    QCOMPARE(QApplication::focusWidget(), anno);
    QCOMPARE(f.get<QCalendarWidget>(QStringLiteral("calAppuntamenti"))->selectedDate(), QDate(2024, 3, 15));
    // Showing the window creates only the current year's file, for the imminent-deadline check.
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("2024.sca")});
}

void TestScadenzarioWindow::shortYearWarns_data()
{
    QTest::addColumn<QString>("year");
    QTest::newRow("two digits") << "24";
    QTest::newRow("empty") << "";
    QTest::newRow("pasted path of four characters") << "../x";
}

void TestScadenzarioWindow::shortYearWarns()
{
    QFETCH(QString, year);
    Fixture f;
    auto *anno = f.get<QLineEdit>(QStringLiteral("txtAnno"));
    anno->setText(year);
    f.get<QPushButton>(QStringLiteral("btnApri"))->setFocus();
    click(&f.window, QStringLiteral("btnApri"));
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.messages().shown[0].text,
             QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QVERIFY(f.window.startPanelShown());
    QCOMPARE(QApplication::focusWidget(), anno);
    QCOMPARE(f.window.windowTitle(), QStringLiteral(" Quadrivo - Scadenzario e appuntamenti"));
    // Only the current year's file, which the alert made when the window was shown.
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("2024.sca")});
}

void TestScadenzarioWindow::typedYearOpensItsFile()
{
    Fixture f;
    auto *anno = f.get<QLineEdit>(QStringLiteral("txtAnno"));
    anno->clear();
    type(anno, QStringLiteral("2a0-2/4")); // only the digits get in
    QCOMPARE(anno->text(), QStringLiteral("2024"));
    pressEnter(anno);
    QCOMPARE(QApplication::focusWidget(), f.get(QStringLiteral("btnApri")));
    pressEnter(QApplication::focusWidget());

    QVERIFY(f.messages().shown.isEmpty());
    QVERIFY(!f.window.startPanelShown());
    QVERIFY(f.get(QStringLiteral("cardPanel"))->isVisible());
    QCOMPARE(f.window.windowTitle(), QStringLiteral(" Quadrivo - Scadenzario e appuntamenti anno 2024"));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblAnno"))->text(), QStringLiteral("2024"));
    QVERIFY(f.get<QLabel>(QStringLiteral("lblAnno"))->isVisible());
    QCOMPARE(f.window.archivePath(), f.folder.file(QStringLiteral("2024.sca")));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblFile"))->text(), f.folder.file(QStringLiteral("2024.sca")));
    QCOMPARE(f.window.hintLabel()->text(), CardMessages::ready());
    QCOMPARE(QApplication::focusWidget(), f.combo(Giorno));
    // The alert made the current year's file empty when the window was shown; the save fills it.
    QCOMPARE(f.file(QStringLiteral("2024")).size(), 0);
    f.fillMandatory();
    f.save();
    QCOMPARE(f.file(QStringLiteral("2024")).size(), R);
}

void TestScadenzarioWindow::newCardDefaults()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.fillMandatory();
    f.pick(OreApp, QStringLiteral("09"));
    f.typeInto(Costo, QStringLiteral("12"));
    f.check(Effettuata)->setChecked(true);
    click(&f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(f.combo(Giorno)->currentText(), QString());
    QCOMPARE(f.combo(Mese)->currentText(), QString());
    QCOMPARE(f.combo(OreApp)->currentText(), QStringLiteral("00"));
    QCOMPARE(f.combo(MinutiApp)->currentText(), QStringLiteral("00"));
    QCOMPARE(f.edit(Costo)->text(), QStringLiteral("0,00"));
    QCOMPARE(f.edit(Pagatore)->text(), QString());
    QCOMPARE(f.edit(Avviso)->text(), QString());
    QVERIFY(!f.check(Effettuata)->isChecked());
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblAnno"))->text(), QStringLiteral("2024"));
    QCOMPARE(f.position(), QString());
    QCOMPARE(QApplication::focusWidget(), f.combo(Giorno));
}

void TestScadenzarioWindow::mandatoryOnlyCardSaves()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.edit(Costo)->clear();
    f.fillMandatory(QStringLiteral("05"), QStringLiteral("Marzo"));
    f.save();
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
    QCOMPARE(f.messages().shown[0].text, kSaved);
    QCOMPARE(f.position(), QStringLiteral("1"));

    const QByteArray bytes = f.file(QStringLiteral("2024"));
    QCOMPARE(bytes.size(), R);
    const Record r = Record::decode(layout(), bytes);
    const QList<QPair<int, QString>> expected = {
        {Giorno, "05"},           {Mese, "Marzo"}, {Anno, "2024"},
        {Data, "05/03/2024"},     {OreApp, "00"},  {MinutiApp, "00"},
        {Ora, "00:00"},           {Avviso, "3"},   {Pagatore, "Rossi Mario"},
        {Dettagli, "Rata mutuo"}, {Costo, "0,00"}, {DaConfermare, "No"},
        {Effettuata, "No"}};
    for (int field = 0; field < layout().fieldCount(); ++field) {
        QString want;
        for (const auto &[f2, text] : expected) {
            if (f2 == field)
                want = text;
        }
        QCOMPARE(r.text(field), want);
    }
    // The flags are stored as the two-byte texts other programs read.
    QCOMPARE(bytes.mid(layout().offset(Effettuata), 3), QByteArray("\x02No", 3));

    // Saving the same card again overwrites it.
    f.check(DaConfermare)->setChecked(true);
    f.save();
    QCOMPARE(f.messages().lastText(), CardMessages::changesSaved());
    QCOMPARE(f.file(QStringLiteral("2024")).size(), R);
    QCOMPARE(f.stored(QStringLiteral("2024"), 1).text(DaConfermare), QStringLiteral("S\u00EC"));
    QCOMPARE(f.position(), QStringLiteral("1"));
}

void TestScadenzarioWindow::dateMustExist_data()
{
    // clang-format off
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("refusal"); // empty: saved
    QTest::newRow("31 Aprile 2024") << "2024" << "31" << "Aprile"
                                    << QStringLiteral("Attenzione: la data 31/04/2024 non esiste.\n\r\n\r") + kValidDate;
    QTest::newRow("29 Febbraio 2024") << "2024" << "29" << "Febbraio" << QString();
    QTest::newRow("29 Febbraio 2023") << "2023" << "29" << "Febbraio"
                                      << QStringLiteral("Attenzione: la data 29/02/2023 non esiste.\n\r\n\r") + kValidDate;
    QTest::newRow("30 Giugno 2023") << "2023" << "30" << "Giugno" << QString();
    // clang-format on
}

void TestScadenzarioWindow::dateMustExist()
{
    QFETCH(QString, year);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, refusal);
    Fixture f;
    f.openYear(year);
    f.fillMandatory(day, month);
    f.save();
    QCOMPARE(f.messages().shown.size(), 1);
    if (refusal.isEmpty()) {
        QCOMPARE(f.messages().shown[0].text, kSaved);
        const Record r = f.stored(year, 1);
        QCOMPARE(r.text(Data),
                 day + u'/' + (month == QStringLiteral("Febbraio") ? "02" : "06") + u'/' + year);
        QCOMPARE(r.text(Anno), year);
    } else {
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Plain);
        QCOMPARE(f.messages().shown[0].text, refusal);
        QCOMPARE(QApplication::focusWidget(), f.combo(Giorno));
        QCOMPARE(f.position(), QString());
        QVERIFY(f.file(year).isEmpty());
        // The card keeps what the user typed.
        QCOMPARE(f.combo(Giorno)->currentText(), day);
        QCOMPARE(f.edit(Pagatore)->text(), QStringLiteral("Rossi Mario"));
    }
}

void TestScadenzarioWindow::onlyTheFirstFailedCheckSpeaks()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.pick(Mese, QStringLiteral("Marzo"));
    f.typeInto(Avviso, QStringLiteral("3"));
    f.typeInto(Dettagli, QStringLiteral("Rata"));
    // Day and contact both missing.
    f.save();
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.messages().shown[0].text,
             QStringLiteral(
                 "Attenzione: per salvare la scheda \u00E8 necessario indicare il giorno della scadenza."));
    QCOMPARE(QApplication::focusWidget(), f.combo(Giorno));
    QVERIFY(f.file(QStringLiteral("2024")).isEmpty());

    f.pick(Giorno, QStringLiteral("05"));
    f.save();
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(
        f.messages().shown[0].text,
        QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del contatto."));
    QCOMPARE(QApplication::focusWidget(), f.edit(Pagatore));
}

void TestScadenzarioWindow::duplicateAppendsAndKeepsTheOriginal()
{
    Fixture f;
    // clang-format off
    const QByteArray first = deadline({{"Giorno", "10"}, {"Mese", "Gennaio"}, {"Anno", "2024"}, {"Data", "10/01/2024"},
                                       {"OreApp", "09"}, {"MinutiApp", "30"}, {"Ora", "09:30"}, {"Avviso", "5"},
                                       {"Pagatore", "Bianchi Anna"}, {"CodFisc", "BNCNNA80A41H501X"},
                                       {"Dettagli", "Affitto"}, {"Costo", "750,00"}, {"Note", "ogni mese"},
                                       {"DaConfermare", "S\u00EC"}, {"Effettuata", "S\u00EC"}});
    const QByteArray second = deadline({{"Giorno", "20"}, {"Mese", "Febbraio"}, {"Anno", "2024"},
                                        {"Pagatore", "Verdi"}, {"Dettagli", "Bollo"}});
    // clang-format on
    f.folder.write(QStringLiteral("2024.sca"), first + second);
    f.openYear(QStringLiteral("2024"));
    click(&f.window, QStringLiteral("cmdPrimo"));
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.combo(OreApp)->currentText(), QStringLiteral("09"));

    f.messages().clear();
    click(&f.window, QStringLiteral("cmdDuplica"));
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
    QCOMPARE(f.messages().shown[0].text, CardMessages::duplicated());
    QCOMPARE(f.position(), QString());
    QCOMPARE(f.combo(Giorno)->currentText(), QString());
    QCOMPARE(f.combo(Mese)->currentText(), QString());
    QCOMPARE(f.combo(OreApp)->currentText(), QStringLiteral("00"));
    QCOMPARE(f.combo(MinutiApp)->currentText(), QStringLiteral("00"));
    QCOMPARE(f.edit(Pagatore)->text(), QStringLiteral("Bianchi Anna"));
    QCOMPARE(f.edit(Costo)->text(), QStringLiteral("750,00"));
    QVERIFY(f.check(DaConfermare)->isChecked());
    QVERIFY(f.check(Effettuata)->isChecked());
    QCOMPARE(QApplication::focusWidget(), f.combo(Giorno));

    f.pick(Giorno, QStringLiteral("10"));
    f.pick(Mese, QStringLiteral("Febbraio"));
    f.save();
    QCOMPARE(f.messages().lastText(), kSaved);
    QCOMPARE(f.position(), QStringLiteral("3"));
    const QByteArray bytes = f.file(QStringLiteral("2024"));
    QCOMPARE(bytes.size(), 3 * R);
    QCOMPARE(recordAt(bytes, R, 1), first);
    QCOMPARE(recordAt(bytes, R, 2), second);
    const Record copy = Record::decode(layout(), recordAt(bytes, R, 3));
    QCOMPARE(copy.text(Data), QStringLiteral("10/02/2024"));
    QCOMPARE(copy.text(Ora), QStringLiteral("00:00"));
    QCOMPARE(copy.text(Pagatore), QStringLiteral("Bianchi Anna"));
    QCOMPARE(copy.text(CodFisc), QStringLiteral("BNCNNA80A41H501X"));
    QCOMPARE(copy.text(Note), QStringLiteral("ogni mese"));
    QCOMPARE(copy.text(Costo), QStringLiteral("750,00"));
    QCOMPARE(copy.text(DaConfermare), QStringLiteral("S\u00EC"));
}

void TestScadenzarioWindow::duplicateOfANewCardWarns()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.fillMandatory();
    click(&f.window, QStringLiteral("cmdDuplica"));
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
    QCOMPARE(f.messages().shown[0].text, CardMessages::duplicateNeedsStoredCard());
    QCOMPARE(f.combo(Giorno)->currentText(), QStringLiteral("05"));
}

void TestScadenzarioWindow::typingIsFiltered_data()
{
    // clang-format off
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("before"); // a combo's picked item, or an edit's text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    // In a list, a typed letter or digit would otherwise jump to a matching item.
    QTest::newRow("day list") << int(Giorno) << "05" << "12" << "05";
    QTest::newRow("month list") << int(Mese) << "Marzo" << "gD" << "Marzo";
    QTest::newRow("hour list") << int(OreApp) << "09" << "1x" << "09";
    QTest::newRow("minute list") << int(MinutiApp) << "30" << "4" << "30";
    QTest::newRow("notice days") << int(Avviso) << "" << "1a,2" << "12";
    QTest::newRow("amount") << int(Costo) << "" << "1a2,5e" << "12,5";
    QTest::newRow("tax code trimmed and upper-cased at each key") << int(CodFisc) << "" << "rss mra" << "RSSMRA";
    QTest::newRow("contact accepts anything") << int(Pagatore) << "" << "D'Amico & C." << "D'Amico & C.";
    // clang-format on
}

void TestScadenzarioWindow::typingIsFiltered()
{
    QFETCH(int, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    if (auto *combo = qobject_cast<QComboBox *>(f.window.control(field))) {
        f.pick(field, before);
        combo->setFocus();
        type(combo, typed);
        QCOMPARE(combo->currentText(), after);
        // Enter still moves on.
        pressEnter(combo);
        QVERIFY(QApplication::focusWidget() != combo);
    } else {
        QLineEdit *e = f.edit(field);
        e->setText(before);
        e->setFocus();
        type(e, typed);
        QCOMPARE(e->text(), after);
    }
}

void TestScadenzarioWindow::amountIsNormalisedOnLeavingAndOnSave()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    QLineEdit *costo = f.edit(Costo);
    costo->clear();
    f.typeInto(Costo, QStringLiteral("12,5"));
    f.edit(Contatto)->setFocus();
    QCOMPARE(costo->text(), QStringLiteral("12,50"));

    costo->setFocus();
    costo->setText(QStringLiteral("abc")); // pasted
    f.edit(Contatto)->setFocus();
    QCOMPARE(costo->text(), QStringLiteral("0,00"));

    // Save pressed while the amount still has the focus: stored as it would show after leaving.
    f.fillMandatory();
    costo->clear();
    f.typeInto(Costo, QStringLiteral("7"));
    QCOMPARE(QApplication::focusWidget(), costo);
    f.save();
    QCOMPARE(f.messages().lastText(), kSaved);
    QCOMPARE(f.stored(QStringLiteral("2024"), 1).text(Costo), QStringLiteral("7,00"));
    QCOMPARE(costo->text(), QStringLiteral("7,00"));
}

void TestScadenzarioWindow::enterRing()
{
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    const QStringList ring = {"txtGiorno",      "txtMese",       "txtOreApp",       "txtMinutiApp",
                              "txtAvviso",      "txtPagatore",   "txtCodFisc",      "txtNumTessera",
                              "txtCarica",      "txtTelCel",     "txtRecapito",     "txtAnticipi",
                              "txtComplessivo", "txtRateazione", "txtBeneficiario", "txtDettagli",
                              "txtOfficina",    "txtCosto",      "txtContatto",     "txtNote"};
    checkEnterWalksRound(ring);
}

void TestScadenzarioWindow::navigationReadsTheOpenYearOnly()
{
    Fixture f;
    f.folder.write(QStringLiteral("2023.sca"), deadline({{"Pagatore", "Anno vecchio"}, {"Anno", "2023"}}));
    f.folder.write(QStringLiteral("2024.sca"), deadline({{"Giorno", "07"},
                                                         {"Mese", "Maggio"},
                                                         {"Anno", "2024"},
                                                         {"OreApp", "16"},
                                                         {"MinutiApp", "45"},
                                                         {"Pagatore", "Primo"},
                                                         {"Effettuata", "S\u00EC"}}) +
                                                   deadline({{"Pagatore", "Secondo"}, {"Anno", "2024"}}));
    f.openYear(QStringLiteral("2024"));
    click(&f.window, QStringLiteral("cmdUltimo"));
    QCOMPARE(f.position(), QStringLiteral("2"));
    QCOMPARE(f.edit(Pagatore)->text(), QStringLiteral("Secondo"));
    click(&f.window, QStringLiteral("cmdIndietro"));
    QCOMPARE(f.position(), QStringLiteral("1"));
    QCOMPARE(f.edit(Pagatore)->text(), QStringLiteral("Primo"));
    QCOMPARE(f.combo(Giorno)->currentText(), QStringLiteral("07"));
    QCOMPARE(f.combo(Mese)->currentText(), QStringLiteral("Maggio"));
    QCOMPARE(f.combo(OreApp)->currentText(), QStringLiteral("16"));
    QCOMPARE(f.combo(MinutiApp)->currentText(), QStringLiteral("45"));
    QVERIFY(f.check(Effettuata)->isChecked());
    QVERIFY(f.messages().shown.isEmpty());
    QCOMPARE(f.file(QStringLiteral("2023")).size(), R); // untouched
}

void TestScadenzarioWindow::recordsOutsideTheListsLoadEmpty()
{
    // A record written by hand or by another program: a list cannot show a text it does not hold;
    // the year shows as stored, and the save writes the open year.
    Fixture f;
    f.folder.write(QStringLiteral("2024.sca"), deadline({{"Giorno", "5"},
                                                         {"Mese", "marzo"},
                                                         {"Anno", "1999"},
                                                         {"OreApp", "9"},
                                                         {"MinutiApp", "30"},
                                                         {"Avviso", "1"},
                                                         {"Pagatore", "P"},
                                                         {"Dettagli", "D"}}));
    f.openYear(QStringLiteral("2024"));
    click(&f.window, QStringLiteral("cmdPrimo"));
    QCOMPARE(f.combo(Giorno)->currentText(), QString());
    QCOMPARE(f.combo(Mese)->currentText(), QString());
    QCOMPARE(f.combo(OreApp)->currentText(), QString());
    QCOMPARE(f.combo(MinutiApp)->currentText(), QStringLiteral("30"));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblAnno"))->text(), QStringLiteral("1999"));

    f.pick(Giorno, QStringLiteral("05"));
    f.pick(Mese, QStringLiteral("Marzo"));
    f.pick(OreApp, QStringLiteral("09"));
    f.save();
    QCOMPARE(f.messages().lastText(), CardMessages::changesSaved());
    const Record r = f.stored(QStringLiteral("2024"), 1);
    QCOMPARE(r.text(Anno), QStringLiteral("2024"));
    QCOMPARE(r.text(Data), QStringLiteral("05/03/2024"));
    QCOMPARE(r.text(Ora), QStringLiteral("09:30"));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblAnno"))->text(), QStringLiteral("2024"));
    click(&f.window, QStringLiteral("cmdNuovo"));
    QCOMPARE(f.get<QLabel>(QStringLiteral("lblAnno"))->text(), QStringLiteral("2024"));
}

void TestScadenzarioWindow::archiveFailureIsAnError_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("save") << "cmdSalva";
    QTest::newRow("first") << "cmdPrimo";
    QTest::newRow("previous") << "cmdIndietro";
    QTest::newRow("next") << "cmdAvanti";
    QTest::newRow("last") << "cmdUltimo";
}

void TestScadenzarioWindow::archiveFailureIsAnError()
{
    QFETCH(QString, button);
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.fillMandatory();
    {
        OpenFails fails;
        click(&f.window, button);
    }
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Error);
    QCOMPARE(f.messages().shown[0].text, CardMessages::archiveAccess());
    QCOMPARE(f.position(), QString());
    QCOMPARE(f.edit(Pagatore)->text(), QStringLiteral("Rossi Mario"));

    // Duplicate of a stored card reports the same way.
    f.save();
    QCOMPARE(f.position(), QStringLiteral("1"));
    f.messages().clear();
    {
        OpenFails fails;
        click(&f.window, QStringLiteral("cmdDuplica"));
    }
    QCOMPARE(f.messages().shown.size(), 1);
    QCOMPARE(f.messages().shown[0].kind, MessageKind::Error);
}

void TestScadenzarioWindow::identifierCheckChoosesItsWindow_data()
{
    // clang-format off
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry");
    QTest::newRow("eleven digits") << "12345678901" << "TfrmPartitaIva" << "12345678901";
    QTest::newRow("tax code") << "RSSMRA80A01H501U" << "TfrmCodFisc" << "RSSMRA80A01H501U";
    QTest::newRow("empty") << "" << "TfrmCodFisc" << "";
    QTest::newRow("digits with blanks around") << " 0123 " << "TfrmPartitaIva" << "0123";
    // clang-format on
}

void TestScadenzarioWindow::identifierCheckChoosesItsWindow()
{
    QFETCH(QString, code);
    QFETCH(QString, window);
    QFETCH(QString, entry);
    Fixture f;
    f.openYear(QStringLiteral("2024"));
    f.edit(CodFisc)->setText(code);
    const QString shown = f.edit(CodFisc)->text();
    const OpenedWindow opened = nextModalOpenedBy([&] { click(&f.window, QStringLiteral("btnCodFisc")); });
    QCOMPARE(opened.name, window);
    QCOMPARE(opened.text, entry);
    QCOMPARE(f.edit(CodFisc)->text(), shown); // nothing comes back
}

void TestScadenzarioWindow::helpFromBothFaces()
{
    Fixture f;
    QStringList titles;
    const auto closeHelp = [&](QDialog *help) {
        QVERIFY(qobject_cast<TfrmGuida *>(help));
        titles << find<QLabel>(help, QStringLiteral("lblTitolo"))->text();
        click(help, QStringLiteral("btnChiudi"));
    };
    withNextModal([&] { click(&f.window, QStringLiteral("imgGuida")); }, closeHelp);
    f.openYear(QStringLiteral("2024"));
    withNextModal([&] { click(&f.window, QStringLiteral("cmdGuida")); }, closeHelp);
    QCOMPARE(titles, QStringList(2, QStringLiteral("Applicazione Scadenzario e appuntamenti.")));
}

void TestScadenzarioWindow::hints_data()
{
    // clang-format off
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    const QList<QPair<const char *, const char *>> hints = {
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdImporta", "Visualizza l'anteprima di stampa."},
        {"cmdStampa", "Stampa la scheda corrente."},
        {"cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
        {"cmdDaConfermare", "Visualizza l'elenco degli appuntamenti in attesa di conferma."},
        {"cmdDaEffettuare", "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non."},
        {"cmdEffettuate", "Visualizza il riepilogo storico dei pagamenti effettuati."},
        {"cmdGuida", "Visualizza la pagina della guida sensibile al contesto."},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"impPag", "Importa i dati dall'archivio dei clienti."},
        {"btnCodFisc", "Controlla il codice fiscale."},
        {"chkDaConfermare", "Spunta questa casella per annotare che l'appuntamento è in attesa di conferma."},
        {"chkEffettuata", "Spunta questa casella per annotare che il pagamento è stata effettuato."},
    };
    for (const auto &[control, hint] : hints)
        QTest::newRow(control) << QString::fromLatin1(control) << QString::fromUtf8(hint);
    // clang-format on
}

void TestScadenzarioWindow::hints()
{
    QFETCH(QString, control);
    QFETCH(QString, hint);
    Fixture f;
    f.window.setWindowState(Qt::WindowNoState);
    f.window.resize(1366, 768); // every control on screen
    f.openYear(QStringLiteral("2024"));
    QApplication::processEvents();
    QCOMPARE(hintOver(f.window.positionLabel(), f.window.hintLabel()), QString());
    QCOMPARE(hintOver(f.get(control), f.window.hintLabel()), hint);
}

void TestScadenzarioWindow::laterServicesAreVisiblyDisabled()
{
    Fixture f;
    // Without imminent deadlines OK is off; the calendar and its lists always work.
    QVERIFY(!f.get(QStringLiteral("btnOK"))->isEnabled());
    for (const char *name : {"calAppuntamenti", "btnGiorno", "btnMese"})
        QVERIFY2(f.get(QLatin1StringView(name))->isEnabled(), name);
    f.openYear(QStringLiteral("2024"));
    for (const char *name : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdGuida", "cmdEsci", "btnCodFisc",
                             "cmdImporta", "cmdStampa", "cmdDaConfermare", "cmdDaEffettuare", "cmdEffettuate",
                             "impPag", "cmdTrova", "cmdEsporta"})
        QVERIFY2(f.get(QLatin1StringView(name))->isEnabled(), name);
}

void TestScadenzarioWindow::closingReturnsToTheStartPanel()
{
    Fixture f;
    QSignalSpy toMenu(&f.window, &AreaWindow::closedToMenu);
    f.openYear(QStringLiteral("2023"));
    f.fillMandatory();
    click(&f.window, QStringLiteral("cmdEsci"));
    QCOMPARE(toMenu.size(), 1);
    QVERIFY(!f.window.isVisible());
    QVERIFY(f.window.startPanelShown());
    QVERIFY(f.messages().shown.isEmpty());
    QVERIFY(f.file(QStringLiteral("2023")).isEmpty()); // nothing saved on the way out

    // Back from the menu: the year choice again, with the current year.
    f.window.show();
    QVERIFY(f.window.startPanelShown());
    QCOMPARE(f.window.windowTitle(), QStringLiteral(" Quadrivo - Scadenzario e appuntamenti"));
    QCOMPARE(f.get<QLineEdit>(QStringLiteral("txtAnno"))->text(), QStringLiteral("2024"));
    f.openYear(QStringLiteral("2024"));
    QCOMPARE(f.edit(Pagatore)->text(), QString());

    click(&f.window, QStringLiteral("cmdEsci"));
    QCOMPARE(toMenu.size(), 2);
    f.window.show();
    click(&f.window, QStringLiteral("imgEsci")); // the start panel's own exit
    QCOMPARE(toMenu.size(), 3);
    QVERIFY(!f.window.isVisible());
}

void TestScadenzarioWindow::cardFitsTheSmallScreen()
{
    Fixture f;
    f.window.setWindowState(Qt::WindowNoState);
    f.window.resize(1366, 768);
    f.openYear(QStringLiteral("2024"));
    QApplication::processEvents();
    auto *scroll = f.get<QScrollArea>(QStringLiteral("cardScroll"));
    QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
}

void TestScadenzarioWindow::shots()
{
    Fixture f;
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        f.window.close();
        f.window.show();
        WindowShot::keep(&f.window, QStringLiteral("scadenzario-avvio") + suffix, size);
        f.openYear(QStringLiteral("2024"));
        f.fillMandatory(QStringLiteral("29"), QStringLiteral("Febbraio"));
        f.pick(OreApp, QStringLiteral("09"));
        f.pick(MinutiApp, QStringLiteral("30"));
        f.edit(CodFisc)->setText(QStringLiteral("RSSMRA80A01H501U"));
        f.edit(Costo)->setText(QStringLiteral("120,50"));
        f.check(DaConfermare)->setChecked(true);
        f.edit(Pagatore)->setFocus();
        WindowShot::keep(&f.window, QStringLiteral("scadenzario-scheda") + suffix, size);
    }
}

QTEST_MAIN(TestScadenzarioWindow)
#include "tst_scadenzariowindow.moc"
