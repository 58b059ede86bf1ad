// The customer card: its fields and where they are stored, its input rules, tab order and Enter
// chain, its two mandatory fields, Duplicate, and its own buttons.
#include "../cards/ContactCardKit.h"
#include "WindowShot.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "shell/card/CardMessages.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace WindowTestKit;

namespace {

constexpr int R = 3151;

// The stored layout of a customer record, field by field: name, offset, capacity.
const StoredField kStored[] = {
    {"Cognome", 0, 50},       {"Nome", 51, 50},          {"Ditta", 102, 50},      {"Sesso", 153, 1},
    {"Recapito", 155, 50},    {"IndirizzoRes", 206, 50}, {"ProvRes", 257, 2},     {"ComuneRes", 260, 50},
    {"CapRes", 311, 5},       {"DataNasc", 317, 30},     {"ComuneNasc", 348, 50}, {"ProvNasc", 399, 2},
    {"TelCasa", 402, 30},     {"TelUff", 433, 30},       {"TelCel", 464, 30},     {"Pec", 495, 60},
    {"Email", 556, 50},       {"CodFisc", 607, 16},      {"Carta", 624, 30},      {"ScadeCarta", 655, 30},
    {"PartitaIva", 686, 11},  {"Iban", 698, 27},         {"TipoPat", 726, 30},    {"NumPat", 757, 50},
    {"EnteRil", 808, 50},     {"DataRil", 859, 10},      {"DataSca", 870, 10},    {"Conducente", 881, 250},
    {"Questioni", 1132, 250}, {"Note", 1383, 250},       {"CodiceDest", 1634, 7}, {"Ricontatta", 1642, 2},
    {"File01", 1645, 250},    {"File02", 1896, 250},     {"File03", 2147, 250},   {"Desc01", 2398, 250},
    {"Desc02", 2649, 250},    {"Desc03", 2900, 250},
};

// The fields in tab order, as Enter walks them.
const QStringList kEnterChain = {
    "txtCognome",   "txtNome",       "txtDitta",      "txtSesso",      "txtRecapito",   "txtIndirizzoRes",
    "txtProvRes",   "txtComuneRes",  "txtCapRes",     "txtDataNasc",   "txtComuneNasc", "txtProvNasc",
    "txtTelCasa",   "txtTelUff",     "txtTelCel",     "txtPec",        "txtEmail",      "txtCodFisc",
    "txtCarta",     "txtScadeCarta", "txtPartitaIva", "txtIban",       "txtTipoPat",    "txtNumPat",
    "txtEnteRil",   "txtDataRil",    "txtDataSca",    "txtConducente", "txtQuestioni",  "txtNote",
    "txtCodiceDest"};

struct Fixture : ContactCardFixture<TfrmClienti>
{
    Fixture() : ContactCardFixture(QStringLiteral("Clienti.pro")) {}
};

// A distinct sample text for each field, as long as the field allows.
QString sample(const StoredField &f)
{
    if (QLatin1StringView(f.name) == QLatin1StringView("Note"))
        return QString::fromUtf8("Perch\u00E9 s\u00EC: 10 \u20AC");
    if (QLatin1StringView(f.name) == QLatin1StringView("Ricontatta"))
        return QString::fromUtf8("S\u00EC");
    // In capitals: the fields that upper-case what they show would otherwise rewrite it.
    return (QLatin1StringView(f.name) + QStringLiteral("-VALORE")).toUpper().left(f.capacity);
}

void fillEveryField(QWidget *card)
{
    for (const StoredField &f : kStored) {
        QWidget *w = controlOf(card, QLatin1StringView(f.name));
        if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(sample(f));
        else if (auto *c = qobject_cast<QComboBox *>(w))
            c->setEditText(sample(f));
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(sample(f)); // as the attachment window fills them
        else if (auto *b = qobject_cast<QCheckBox *>(w))
            b->setChecked(true);
    }
}

// The record bytes written from the table above, without the program's codec.
QByteArray expectedRecord()
{
    return recordFromTable(R, kStored, sample);
}

} // namespace

class TestTfrmClienti : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void everyFieldHasItsControl()
    {
        Fixture f;
        QCOMPARE(f.card.windowTitle(), QStringLiteral(" Quadrivo - Anagrafica Clienti"));
        for (const StoredField &s : kStored) {
            QWidget *w = controlOf(&f.card, QLatin1StringView(s.name));
            QVERIFY2(w, s.name);
            if (auto *e = qobject_cast<QLineEdit *>(w))
                QCOMPARE(e->maxLength(), s.capacity);
            if (auto *c = qobject_cast<QComboBox *>(w)) {
                QCOMPARE(c->lineEdit()->maxLength(), s.capacity);
                QCOMPARE(c->count(), 112);
                QCOMPARE(c->itemText(0), QStringLiteral("AG"));
                QCOMPARE(c->itemText(111), QStringLiteral("VV"));
            }
            if (QLatin1StringView(s.name).startsWith(QLatin1StringView("File")) ||
                QLatin1StringView(s.name).startsWith(QLatin1StringView("Desc")))
                QVERIFY(qobject_cast<QLabel *>(w) && w->isHidden());
            else
                QVERIFY2(w->isVisible(), s.name);
        }
    }

    void commandsAreThereWithPictureAndWord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        // clang-format off
        for (const char *n :
             {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdGuida", "cmdEsci", "cmdPrimo", "cmdIndietro",
              "cmdAvanti", "cmdUltimo", "cmdFile", "btnEmail", "btnCodFisc", "btnPartitaIva", "btnCarta",
              "btnIban", "cmdStampa", "cmdAnteprima", "cmdPDF", "cmdRicontatta",
              "cmdTrova", "cmdEsporta"})
            QTest::newRow(n) << n << true;
        // clang-format on
    }
    void commandsAreThereWithPictureAndWord()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        Fixture f;
        auto *b = find<QToolButton>(&f.card, name);
        QVERIFY(b->isVisible());
        QCOMPARE(b->isEnabled(), enabled);
        QVERIFY(!b->text().isEmpty());
        QVERIFY(!b->icon().isNull());
    }

    void ownHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        // clang-format off
        QTest::newRow("cmdAnteprima") << "cmdAnteprima" << "Visualizza l'anteprima di stampa.";
        QTest::newRow("cmdFile") << "cmdFile" << "Allega file alla scheda corrente.";
        QTest::newRow("cmdRicontatta") << "cmdRicontatta" << "Visualizza l'elenco dei Clienti da ricontattare.";
        QTest::newRow("btnCodFisc") << "btnCodFisc" << "Controlla il codice fiscale.";
        QTest::newRow("btnPartitaIva") << "btnPartitaIva" << "Controlla il numero di partita IVA.";
        QTest::newRow("btnCarta") << "btnCarta" << "Controlla il numero di carta di credito.";
        QTest::newRow("btnIban") << "btnIban" << "Controlla l'IBAN.";
        QTest::newRow("cmdEsporta")
            << "cmdEsporta" << "Esporta le schede in archivio in un file di Microsoft Excel.";
        // clang-format on
    }
    void ownHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        Fixture f;
        QCOMPARE(f.hintOver(name), hint);
    }

    void everyFieldIsStoredAtItsOffsetAndLoadsBack()
    {
        Fixture f;
        fillEveryField(&f.card);
        click(&f.card, QStringLiteral("cmdSalva"));
        const QByteArray file = readFile(f.path());
        QCOMPARE(file.size(), R);
        QCOMPARE(file, expectedRecord());

        click(&f.card, QStringLiteral("cmdNuovo"));
        click(&f.card, QStringLiteral("cmdPrimo"));
        for (const StoredField &s : kStored)
            QCOMPARE(shownText(controlOf(&f.card, QLatin1StringView(s.name))), sample(s));
    }

    void aClearedFlagIsStoredAsNo()
    {
        Fixture f;
        type(f.edit(QStringLiteral("txtCognome")), QStringLiteral("Rossi"));
        type(f.edit(QStringLiteral("txtNome")), QStringLiteral("Mario"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(readFile(f.path()).mid(1642, 3), QByteArray("\x02No", 3));
    }

    void newEmptiesTheWholeCard()
    {
        Fixture f;
        fillEveryField(&f.card);
        f.combo(QStringLiteral("txtProvRes"))->setCurrentIndex(3);
        f.card.loadRecord(7, expectedRecord()); // as a search window shows a record
        QCOMPARE(f.position(), QStringLiteral("7"));
        click(&f.card, QStringLiteral("cmdNuovo"));
        for (const StoredField &s : kStored) {
            const QString expected = QLatin1StringView(s.name) == QLatin1StringView("Ricontatta") ? "No" : "";
            QCOMPARE(shownText(controlOf(&f.card, QLatin1StringView(s.name))), expected);
        }
        QCOMPARE(f.combo(QStringLiteral("txtProvRes"))->currentIndex(), -1);
        QCOMPARE(f.position(), QString());
        QCOMPARE(QApplication::focusWidget(), f.w(QStringLiteral("txtCognome")));
        QVERIFY(f.platform.messages.shown.isEmpty());
    }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const QString e = QString::fromUtf8("\u00E8");
        // clang-format off
        QTest::newRow("accented letter refused in the surname") << "txtCognome" << "Nicol" + e << "Nicol";
        QTest::newRow("ampersand refused in the surname") << "txtCognome" << "Rossi & C" << "Rossi  C";
        QTest::newRow("ampersand typed in the company name") << "txtDitta" << "Rossi & C" << "Rossi & C";
        QTest::newRow("slash refused in the company name") << "txtDitta" << "A/B" << "AB";
        QTest::newRow("sex upper-cased") << "txtSesso" << "m" << "M";
        QTest::newRow("province upper-cased") << "txtProvRes" << "mi" << "MI";
        QTest::newRow("province refuses accents") << "txtProvRes" << e + "t" << "T";
        QTest::newRow("birth province upper-cased") << "txtProvNasc" << "rm" << "RM";
        QTest::newRow("postal code digits only") << "txtCapRes" << "2a0 1b00" << "20100";
        QTest::newRow("birth date is free") << "txtDataNasc" << "1/2/1980 " + e << "1/2/1980 " + e;
        QTest::newRow("tax code upper-cased") << "txtCodFisc" << "rssmra80a01h501u" << "RSSMRA80A01H501U";
        QTest::newRow("card number digits only") << "txtCarta" << "4111-1111 1111" << "411111111111";
        QTest::newRow("VAT number digits only") << "txtPartitaIva" << "IT0123" << "0123";
        QTest::newRow("IBAN upper-cased, blanks dropped") << "txtIban" << "it60 x054" << "IT60X054";
        QTest::newRow("recipient code upper-cased") << "txtCodiceDest" << "abc12xy" << "ABC12XY";
        QTest::newRow("recipient code holds 7") << "txtCodiceDest" << "ABCDEFGH" << "ABCDEFG";
        QTest::newRow("PEC trimmed") << "txtPec" << " a@pec.it " << "a@pec.it";
        QTest::newRow("e-mail trimmed") << "txtEmail" << " a@b.it " << "a@b.it";
        QTest::newRow("surname holds 50") << "txtCognome" << QString(55, u'x') << QString(50, u'x');
        // clang-format on
    }
    void typing()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Fixture f;
        QWidget *w = f.w(field);
        w->setFocus();
        type(w, typed);
        QCOMPARE(shownText(w), shown);
    }

    void aPastedAccentIsStored()
    {
        Fixture f;
        QLineEdit *cognome = f.edit(QStringLiteral("txtCognome"));
        QApplication::clipboard()->setText(QString::fromUtf8("Nicol\u00F2"));
        QTest::keyClick(cognome, Qt::Key_V, Qt::ControlModifier);
        type(f.edit(QStringLiteral("txtNome")), QStringLiteral("Anna"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(readFile(f.path()).left(7), QByteArray("\x06Nicol\xF2", 7));
    }

    void provincesLeavingAreTrimmedAndUpperCased()
    {
        Fixture f;
        QComboBox *prov = f.combo(QStringLiteral("txtProvNasc"));
        prov->setEditText(QStringLiteral(" b")); // pasted or set from elsewhere
        prov->setFocus();
        f.edit(QStringLiteral("txtTelCasa"))->setFocus();
        QCOMPARE(prov->currentText(), QStringLiteral("B"));
    }

    void aProvinceComboForgetsItsListChoiceOnEntering()
    {
        Fixture f;
        QComboBox *prov = f.combo(QStringLiteral("txtProvRes"));
        prov->setCurrentIndex(ProvinceIndexOfMI());
        QCOMPARE(prov->currentText(), QStringLiteral("MI"));
        prov->setFocus();
        QCOMPARE(prov->currentIndex(), -1);
        QCOMPARE(prov->currentText(), QStringLiteral("MI"));
    }

    void enterWalksTheTabOrderAndWrapsRound()
    {
        Fixture f;
        checkEnterWalksRound(kEnterChain);
    }

    void tabVisitsTheCallBackFlagBetweenIssuesAndNotes()
    {
        Fixture f;
        QStringList order;
        for (int i = 0; i < 32; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList expected = kEnterChain;
        expected.insert(expected.indexOf(QStringLiteral("txtNote")), QStringLiteral("chkRicontatta"));
        QCOMPARE(order, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtCognome"));
    }

    void duplicateKeepsTheCallBackFlagAndDropsTheAttachments()
    {
        Fixture f;
        writeFile(f.path(), expectedRecord()); // a customer with three attachments, to call back
        click(&f.card, QStringLiteral("cmdPrimo"));
        click(&f.card, QStringLiteral("cmdDuplica"));
        for (const char *label :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
            QCOMPARE(find<QLabel>(&f.card, QLatin1StringView(label))->text(), QString());
        QVERIFY(f.flag()->isChecked());
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("2"));

        const QByteArray file = readFile(f.path());
        QCOMPARE(recordAt(file, R, 1), expectedRecord());
        QByteArray expected = expectedRecord();
        expected.replace(1645, R - 1645, QByteArray(R - 1645, '\0')); // File01..Desc03 empty
        QCOMPARE(recordAt(file, R, 2), expected);
    }

    void emailButtonHandsTheAddressToTheShell()
    {
        Fixture f;
        f.edit(QStringLiteral("txtEmail"))->setText(QStringLiteral("  mario.rossi@example.it "));
        click(&f.card, QStringLiteral("btnEmail"));
        f.edit(QStringLiteral("txtEmail"))->clear();
        click(&f.card, QStringLiteral("btnEmail"));
        QCOMPARE(f.platform.shell.opened, (QStringList{QStringLiteral("\"mailto:mario.rossi@example.it\""),
                                                       QStringLiteral("\"mailto:\"")}));
    }

    void identifierButtonsOpenTheirCheck_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("eleven digits: VAT number check")
            << "btnCodFisc" << "txtCodFisc" << "01234567890" << "TfrmPartitaIva" << "01234567890";
        QTest::newRow("letters: tax code check")
            << "btnCodFisc" << "txtCodFisc" << "RSSMRA80A01H501U" << "TfrmCodFisc" << "RSSMRA80A01H501U";
        QTest::newRow("blanks around digits are dropped")
            << "btnCodFisc" << "txtCodFisc" << " 0123456789 " << "TfrmPartitaIva" << "0123456789";
        QTest::newRow("empty: tax code check") << "btnCodFisc" << "txtCodFisc" << "" << "TfrmCodFisc" << "";
        QTest::newRow("VAT number")
            << "btnPartitaIva" << "txtPartitaIva" << "01234567890" << "TfrmPartitaIva" << "01234567890";
        QTest::newRow("card")
            << "btnCarta" << "txtCarta" << "4111111111111111 " << "TfrmCarta" << "4111111111111111";
        QTest::newRow("IBAN")
            << "btnIban" << "txtIban" << "IT60X0542811101000000123456" << "TfrmIban" << "IT60X0542811101000000123456";
        // clang-format on
    }
    void identifierButtonsOpenTheirCheck()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, window);
        QFETCH(QString, value);
        Fixture f;
        f.edit(field)->setText(text);
        const QString shown = f.edit(field)->text();
        const OpenedWindow opened = nextModalOpenedBy([&] { click(&f.card, button); });
        QCOMPARE(opened.name, window);
        QCOMPARE(opened.text, value);
        QCOMPARE(f.edit(field)->text(), shown); // a check never changes the card
    }

    void pictures()
    {
        Fixture f;
        fillSampleCustomer(f);
        WindowShot::keepAtScreenSizes(&f.card, QStringLiteral("TfrmClienti"));
    }

private:
    static int ProvinceIndexOfMI()
    {
        TfrmClienti probe;
        return find<QComboBox>(&probe, QStringLiteral("txtProvRes"))->findText(QStringLiteral("MI"));
    }

    static void fillSampleCustomer(Fixture &f)
    {
        f.setTexts({{"txtCognome", "Bianchi"},
                    {"txtNome", "Giulia"},
                    {"txtDitta", "Bianchi & Figli S.r.l."},
                    {"txtSesso", "F"},
                    {"txtRecapito", "347 1234567"},
                    {"txtIndirizzoRes", "Via Garibaldi 12"},
                    {"txtComuneRes", "Milano"},
                    {"txtCapRes", "20121"},
                    {"txtDataNasc", "12/05/1978"},
                    {"txtComuneNasc", "Bergamo"},
                    {"txtTelCasa", "02 1234567"},
                    {"txtTelCel", "347 1234567"},
                    {"txtEmail", "giulia.bianchi@example.it"},
                    {"txtPec", "bianchi@pec.example.it"},
                    {"txtCodFisc", "BNCGLI78E52A794K"},
                    {"txtPartitaIva", "01234567890"},
                    {"txtIban", "IT60X0542811101000000123456"},
                    {"txtTipoPat", "Carta d'identit\u00e0"},
                    {"txtNumPat", "CA12345AB"},
                    {"txtEnteRil", "Comune di Milano"},
                    {"txtDataRil", "01/02/2020"},
                    {"txtDataSca", "01/02/2030"},
                    {"txtConducente", "Consulenza fiscale, contabilit\u00e0"},
                    {"txtQuestioni", "Attende il preventivo per il rinnovo"},
                    {"txtCodiceDest", "M5UXCR1"}});
        f.combo(QStringLiteral("txtProvRes"))->setEditText(QStringLiteral("MI"));
        f.combo(QStringLiteral("txtProvNasc"))->setEditText(QStringLiteral("BG"));
        f.flag()->setChecked(true);
        f.card.positionLabel()->setText(QStringLiteral("12"));
        f.edit(QStringLiteral("txtNome"))->setFocus();
    }
};

QTEST_MAIN(TestTfrmClienti)
#include "tst_tfrmclienti.moc"
