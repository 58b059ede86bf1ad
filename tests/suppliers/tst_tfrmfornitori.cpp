// The supplier card: its fields and where they are stored, free typing everywhere but the
// digit fields, its one mandatory field, its own hints, Duplicate.
#include "../cards/ContactCardKit.h"
#include "WindowShot.h"
#include "suppliers/FornitoriRecord.h"
#include "suppliers/TfrmFornitori.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace WindowTestKit;

namespace {

constexpr int R = 3643;

const StoredField kStored[] = {
    {"Ditta", 0, 50},        {"Titolare", 51, 120},    {"Recapito", 172, 50},  {"IndirizzoRes", 223, 50},
    {"ProvRes", 274, 2},     {"ComuneRes", 277, 50},   {"CapRes", 328, 5},     {"Pagamento", 334, 250},
    {"TelCasa", 585, 30},    {"TelUff", 616, 30},      {"TelCel", 647, 30},    {"Fax", 678, 30},
    {"Email", 709, 50},      {"CodFisc", 760, 16},     {"Carta", 777, 30},     {"ScadeCarta", 808, 30},
    {"PartitaIva", 839, 11}, {"Iban", 851, 27},        {"Articoli", 879, 250}, {"Offerte", 1130, 250},
    {"Ordine", 1381, 250},   {"Questioni", 1632, 250}, {"Note", 1883, 250},    {"Ricontatta", 2134, 2},
    {"File01", 2137, 250},   {"File02", 2388, 250},    {"File03", 2639, 250},  {"Desc01", 2890, 250},
    {"Desc02", 3141, 250},   {"Desc03", 3392, 250},
};

const QStringList kEnterChain = {
    "txtDitta",    "txtTitolare",  "txtRecapito", "txtIndirizzoRes", "txtProvRes",    "txtComuneRes",
    "txtCapRes",   "txtPagamento", "txtTelCasa",  "txtTelUff",       "txtTelCel",     "txtFax",
    "txtEmail",    "txtCodFisc",   "txtCarta",    "txtScadeCarta",   "txtPartitaIva", "txtIban",
    "txtArticoli", "txtOfferte",   "txtOrdine",   "txtQuestioni",    "txtNote"};

struct Fixture : ContactCardFixture<TfrmFornitori>
{
    Fixture() : ContactCardFixture(QStringLiteral("Fornitori.pro")) {}
};

QString sample(const StoredField &f)
{
    if (QLatin1StringView(f.name) == QLatin1StringView("Ricontatta"))
        return QString::fromUtf8("S\u00EC");
    // Cut to the capacity, without a blank at the end (the store would drop it).
    // In capitals: the fields that upper-case what they show would otherwise rewrite it.
    return (QLatin1StringView(f.name) + QStringLiteral(" & c\u00F2")).toUpper().left(f.capacity).trimmed();
}

QByteArray expectedRecord()
{
    return recordFromTable(R, kStored, sample);
}

} // namespace

class TestTfrmFornitori : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void onlyTheCompanyNameIsNeeded()
    {
        Fixture f;
        QCOMPARE(f.card.windowTitle(), QStringLiteral(" Quadrivo - Anagrafica Fornitori"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].kind, MessageKind::Warning);
        QCOMPARE(
            f.platform.messages.shown[0].text,
            QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la denominazione "
                           "della Ditta fornitrice."));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtDitta"));
        QVERIFY(!QFile::exists(f.path()));

        type(f.edit(QStringLiteral("txtDitta")), QStringLiteral("Ferramenta Bassi"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("1"));
        const QByteArray file = readFile(f.path());
        QCOMPARE(file.size(), R);
        QCOMPARE(file.left(17), QByteArray("\x10"
                                           "Ferramenta Bassi"));
        QCOMPARE(file.mid(2134, 3), QByteArray("\x02No", 3));
    }

    void everyFieldIsStoredAtItsOffsetAndLoadsBack()
    {
        Fixture f;
        for (const StoredField &s : kStored) {
            QWidget *w = controlOf(&f.card, QLatin1StringView(s.name));
            QVERIFY2(w, s.name);
            if (auto *e = qobject_cast<QLineEdit *>(w)) {
                QCOMPARE(e->maxLength(), s.capacity);
                e->setText(sample(s));
            } else if (auto *c = qobject_cast<QComboBox *>(w)) {
                QCOMPARE(c->count(), 112);
                c->setEditText(sample(s));
            } else if (auto *l = qobject_cast<QLabel *>(w)) {
                QVERIFY(l->isHidden());
                l->setText(sample(s));
            } else {
                qobject_cast<QCheckBox *>(w)->setChecked(true);
            }
        }
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(readFile(f.path()), expectedRecord());

        click(&f.card, QStringLiteral("cmdNuovo"));
        QCOMPARE(f.edit(QStringLiteral("txtDitta"))->text(), QString());
        click(&f.card, QStringLiteral("cmdUltimo"));
        QCOMPARE(f.edit(QStringLiteral("txtOrdine"))->text(), sample(kStored[20]));
        QCOMPARE(find<QLabel>(&f.card, QStringLiteral("lblDesc03"))->text(), sample(kStored[29]));
        QVERIFY(f.flag()->isChecked());
    }

    void typing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const QString free = QString::fromUtf8("B&B \u00E8\u00F9/<>\u00B0\u00A3");
        // clang-format off
        for (const char *name :
             {"txtDitta", "txtTitolare", "txtRecapito", "txtIndirizzoRes", "txtComuneRes", "txtPagamento",
              "txtTelCasa", "txtTelUff", "txtTelCel", "txtFax", "txtScadeCarta", "txtArticoli", "txtOfferte",
              "txtOrdine", "txtQuestioni", "txtNote"})
            QTest::newRow(name) << name << free << free;
        QTest::newRow("postal code takes letters") << "txtCapRes" << "I-201" << "I-201";
        QTest::newRow("card number digits only") << "txtCarta" << "4111 x1" << "41111";
        QTest::newRow("VAT number digits only") << "txtPartitaIva" << "IT012" << "012";
        QTest::newRow("tax code upper-cased")
            << "txtCodFisc" << QString::fromUtf8("bss\u00E8 1") << QString::fromUtf8("BSS\u00E81");
        QTest::newRow("IBAN upper-cased") << "txtIban" << "it 60x" << "IT60X";
        QTest::newRow("province upper-cased")
            << "txtProvRes" << QString::fromUtf8("\u00E8o") << QString::fromUtf8("\u00E8O");
        QTest::newRow("e-mail trimmed") << "txtEmail" << " info@bassi.it " << "info@bassi.it";
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

    void enterWalksTheTabOrderAndWrapsRound()
    {
        Fixture f;
        checkEnterWalksRound(kEnterChain);
    }

    void ownHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        // clang-format off
        QTest::newRow("cmdRicontatta")
            << "cmdRicontatta" << "Visualizza l'elenco dei fornitori da ricontattare.";
        QTest::newRow("chkRicontatta")
            << "chkRicontatta"
            << QString::fromUtf8("Annota che il fornitore \u00E8 da ricontattare per questioni in sospeso.");
        QTest::newRow("btnEmail") << "btnEmail" << "Invia una e-mail all'indirizzo indicato.";
        QTest::newRow("cmdDuplica")
            << "cmdDuplica"
            << "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.";
        // clang-format on
    }
    void ownHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        Fixture f;
        QCOMPARE(f.hintOver(name), hint);
    }

    void duplicateGivesASecondSupplierWithoutAttachments()
    {
        Fixture f;
        writeFile(f.path(), expectedRecord());
        click(&f.card, QStringLiteral("cmdPrimo"));
        click(&f.card, QStringLiteral("cmdDuplica"));
        QCOMPARE(f.platform.messages.shown.last().kind, MessageKind::Information);
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.position(), QStringLiteral("2"));
        const QByteArray file = readFile(f.path());
        QCOMPARE(recordAt(file, R, 1), expectedRecord());
        QByteArray expected = expectedRecord();
        expected.replace(2137, R - 2137, QByteArray(R - 2137, '\0'));
        QCOMPARE(recordAt(file, R, 2), expected);
    }

    void emailButtonHandsTheAddressToTheShell()
    {
        Fixture f;
        f.edit(QStringLiteral("txtEmail"))->setText(QStringLiteral(" ordini@bassi.it"));
        click(&f.card, QStringLiteral("btnEmail"));
        QCOMPARE(f.platform.shell.opened, QStringList{QStringLiteral("\"mailto:ordini@bassi.it\"")});
    }

    void taxCodeButtonChoosesTheCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("window");
        // clang-format off
        QTest::newRow("digits") << "01234567890" << "TfrmPartitaIva";
        QTest::newRow("letters") << "BSSFNC70A01F205X" << "TfrmCodFisc";
        QTest::newRow("empty") << "" << "TfrmCodFisc";
        // clang-format on
    }
    void taxCodeButtonChoosesTheCheck()
    {
        QFETCH(QString, text);
        QFETCH(QString, window);
        Fixture f;
        f.edit(QStringLiteral("txtCodFisc"))->setText(text);
        QCOMPARE(nextModalOpenedBy([&] { click(&f.card, QStringLiteral("btnCodFisc")); }).name, window);
    }

    void pictures()
    {
        Fixture f;
        f.setTexts({{"txtDitta", "Ferramenta Bassi & C. S.n.c."},
                    {"txtTitolare", "Franco Bassi"},
                    {"txtRecapito", "035 987654"},
                    {"txtIndirizzoRes", "Via Roma 45"},
                    {"txtComuneRes", "Bergamo"},
                    {"txtCapRes", "24121"},
                    {"txtPagamento", "Bonifico a 30 giorni data fattura"},
                    {"txtTelUff", "035 987654"},
                    {"txtTelCel", "333 7654321"},
                    {"txtFax", "035 987655"},
                    {"txtEmail", "ordini@bassi.example.it"},
                    {"txtPartitaIva", "01234567890"},
                    {"txtArticoli", "Viteria, utensili, minuteria metallica"},
                    {"txtOfferte", "Sconto 5% sopra 500 euro"},
                    {"txtOrdine", "Ordine via e-mail entro le 12"},
                    {"txtNote", "Consegna in 48 ore"}});
        f.combo(QStringLiteral("txtProvRes"))->setEditText(QStringLiteral("BG"));
        f.card.positionLabel()->setText(QStringLiteral("3"));
        f.edit(QStringLiteral("txtTitolare"))->setFocus();
        WindowShot::keepAtScreenSizes(&f.card, QStringLiteral("TfrmFornitori"));
    }
};

QTEST_MAIN(TestTfrmFornitori)
#include "tst_tfrmfornitori.moc"
