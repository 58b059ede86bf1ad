// What the later cards configure on the machinery, through a tiny card of our own: defaults,
// hidden fields, a card without Duplicate, its own message kinds and insert message, and the
// hooks around loading and saving.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowTestKit.h"
#include "customers/ClientiRecord.h"
#include "shell/card/CardMessages.h"
#include "shell/card/CardOf.h"
#include "shell/card/CardSection.h"
#include "shell/card/CardWindow.h"
#include "warehouse/MagazzinoRecord.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace WindowTestKit;

namespace {

// A card binds only its own record's fields: another record's handle, or a bare index, does not
// compile.
template <class Section, class Handle> constexpr bool sectionTakes = requires(Section &s, Handle h)
{
    s.edit(h, QString());
};
static_assert(sectionTakes<CardSectionOf<Clienti::Field>, Clienti::Field>);
static_assert(!sectionTakes<CardSectionOf<Clienti::Field>, Magazzino::Field>);
static_assert(!sectionTakes<CardSectionOf<Clienti::Field>, int>);
template <class Section> constexpr bool editsByIndex = requires(Section &s)
{
    s.addEdit(0, QString(), FieldOptions());
};
static_assert(!editsByIndex<CardSection>);

struct CustomerBinder : CardOf<Clienti::Field>
{
    using CardOf::addHiddenField;
    using CardOf::addMandatory;
    using CardOf::bindField;
};
template <class Card, class Handle> constexpr bool cardBinds = requires(Card &c, Handle h, QWidget *w)
{
    c.bindField(h, w);
    c.addHiddenField(h);
    c.addMandatory(h, QString());
};
static_assert(cardBinds<CustomerBinder, Clienti::Field>);
static_assert(!cardBinds<CustomerBinder, Magazzino::Field>);
static_assert(!cardBinds<CustomerBinder, int>);

enum ProbeField { Codice, Importo, Somma, Cartella, Flag, Extra };

const RecordLayout &probeLayout()
{
    static const RecordLayout layout(QStringLiteral("TSchedaProva"), {{QStringLiteral("Codice"), 10},
                                                                      {QStringLiteral("Importo"), 15},
                                                                      {QStringLiteral("Somma"), 30},
                                                                      {QStringLiteral("Cartella"), 40},
                                                                      {QStringLiteral("Flag"), 2},
                                                                      {QStringLiteral("Extra"), 20}});
    return layout;
}

const RecordLayout &layoutOf(ProbeField)
{
    return probeLayout();
}

// Kinds as a card with mixed kinds has them: warnings for first, duplicate and save.
AccessMessageKinds probeKinds()
{
    AccessMessageKinds k = AccessMessageKinds::all(MessageKind::Error);
    k.first = MessageKind::Warning;
    k.duplicate = MessageKind::Warning;
    k.save = MessageKind::Warning;
    return k;
}

class ProbeCard : public CardOf<ProbeField>
{
public:
    QStringList calls;
    bool refuse = false;

    ProbeCard() : CardOf(config())
    {
        addCommand(CardCommand::Nuovo);
        addCommand(CardCommand::Salva);
        addCommand(CardCommand::Esci);
        addSection(QStringLiteral("Prova"), 0, 0)
            ->row()
            .edit(Codice, QStringLiteral("Codice:"), {KeyRule::Free, TextRuleSets::TrimUpper})
            .edit(Importo, QStringLiteral("Importo:"),
                  FieldOptions(KeyRule::DigitsComma).withDefault(QStringLiteral("0,00")))
            .check(Flag, QStringLiteral("Segno"), QStringLiteral("Un segno."));
        addHiddenField(Cartella, QStringLiteral("memCartella"), FieldOptions().clearedOnDuplicate());
        addMandatory(Codice, QStringLiteral("Manca il codice."));
        finishCard();
    }

    static Config config()
    {
        Config c(probeLayout(), QStringLiteral("Prova.dat"), QStringLiteral(" Prova"), HelpPage::Generale);
        c.accessKinds = probeKinds();
        c.insertedMessage = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
        return c;
    }

protected:
    void prepareSave() override { calls << QStringLiteral("prepare"); }
    bool validateSave() override
    {
        calls << QStringLiteral("validate");
        return !refuse;
    }
    void completeRecord(Record &r) override
    {
        calls << QStringLiteral("complete");
        r.setText(Somma, control<QLineEdit>(Codice)->text() + u'+' + control<QLineEdit>(Importo)->text());
    }
    void afterLoad() override { calls << QStringLiteral("load"); }
    void afterDuplicate() override { calls << QStringLiteral("duplicate"); }
};

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    ProbeCard card;

    Fixture() { card.show(); }
    QString path() const { return folder.file(QStringLiteral("Prova.dat")); }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(&card, QLatin1StringView(name)); }
    QLabel *hidden() { return find<QLabel>(&card, QStringLiteral("memCartella")); }
    QCheckBox *flag() { return find<QCheckBox>(&card, QStringLiteral("chkFlag")); }
    Record stored(int position = 1) const
    {
        return Record::decode(probeLayout(),
                              recordAt(readFile(path()), probeLayout().recordSize(), position));
    }
};

QByteArray probe(const QString &codice, const QString &flag, const QString &extra = {})
{
    return record(probeLayout(), {{QStringLiteral("Codice"), codice},
                                  {QStringLiteral("Importo"), QStringLiteral("1,50")},
                                  {QStringLiteral("Cartella"), QStringLiteral("/dati/cartella")},
                                  {QStringLiteral("Flag"), flag},
                                  {QStringLiteral("Extra"), extra}});
}

} // namespace

class TestCardHooks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newPutsDefaultsAndEmptiesHiddenFields()
    {
        Fixture f;
        QCOMPARE(f.edit("txtImporto")->text(), QStringLiteral("0,00")); // shown from the menu
        f.edit("txtCodice")->setText(QStringLiteral("A1"));
        f.edit("txtImporto")->setText(QStringLiteral("5"));
        f.hidden()->setText(QStringLiteral("/dati"));
        f.flag()->setChecked(true);
        click(&f.card, QStringLiteral("cmdNuovo"));
        QCOMPARE(f.edit("txtCodice")->text(), QString());
        QCOMPARE(f.edit("txtImporto")->text(), QStringLiteral("0,00"));
        QCOMPARE(f.hidden()->text(), QString());
        QVERIFY(!f.flag()->isChecked());
        QCOMPARE(f.card.positionLabel()->text(), QString());
    }

    void aCardMayHaveNoDuplicateButton()
    {
        Fixture f;
        QVERIFY(!f.card.findChild<QToolButton *>(QStringLiteral("cmdDuplica")));
        QVERIFY(f.card.findChild<QToolButton *>(QStringLiteral("cmdSalva")));
    }

    void hooksRunAroundTheMandatoryChecks()
    {
        Fixture f;
        click(&f.card, QStringLiteral("cmdSalva"));
        // The preparation runs first (a quote computes its totals), then the checks stop the save.
        QCOMPARE(f.card.calls, QStringList{QStringLiteral("prepare")});
        QCOMPARE(f.platform.messages.lastText(), QStringLiteral("Manca il codice."));

        f.card.calls.clear();
        type(f.edit("txtCodice"), QStringLiteral("a1"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.card.calls, (QStringList{QStringLiteral("prepare"), QStringLiteral("validate"),
                                            QStringLiteral("complete")}));
        QCOMPARE(f.stored().text(Somma), QStringLiteral("A1+0,00"));
        QCOMPARE(f.platform.messages.lastText(),
                 QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio."));
    }

    void aRefusedValidationWritesNothing()
    {
        Fixture f;
        f.card.refuse = true;
        type(f.edit("txtCodice"), QStringLiteral("A1"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QVERIFY(!QFile::exists(f.path()));
        QVERIFY(f.platform.messages.shown.isEmpty());
        QCOMPARE(f.card.positionLabel()->text(), QString());
    }

    void fieldsWithoutAControlAreCarriedThroughASave()
    {
        Fixture f;
        writeFile(f.path(), probe(QStringLiteral("A1"), QStringLiteral("No"), QStringLiteral("tenuto")));
        click(&f.card, QStringLiteral("cmdPrimo"));
        QCOMPARE(f.card.calls, QStringList{QStringLiteral("load")});
        f.edit("txtImporto")->setText(QStringLiteral("2,00"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.stored().text(Extra), QStringLiteral("tenuto"));
        QCOMPARE(f.stored().text(Importo), QStringLiteral("2,00"));

        // A new card starts from an empty record.
        click(&f.card, QStringLiteral("cmdNuovo"));
        f.edit("txtCodice")->setText(QStringLiteral("B2"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.stored(2).text(Extra), QString());
    }

    void duplicateEmptiesOnlyTheMarkedFields()
    {
        Fixture f;
        writeFile(f.path(), probe(QStringLiteral("A1"), QString::fromUtf8("S\u00EC")));
        click(&f.card, QStringLiteral("cmdPrimo"));
        QCOMPARE(f.hidden()->text(), QStringLiteral("/dati/cartella"));
        f.card.cmdDuplicaClick();
        QCOMPARE(f.card.calls.last(), QStringLiteral("duplicate"));
        QCOMPARE(f.hidden()->text(), QString());
        QCOMPARE(f.edit("txtImporto")->text(), QStringLiteral("1,50"));
        QVERIFY(f.flag()->isChecked());
    }

    // A lower-case code in the file shows upper-cased, and Save stores what the card shows.
    void loadedTextIsRewrittenLikeTypedText()
    {
        Fixture f;
        writeFile(f.path(), probe(QStringLiteral("abc"), QStringLiteral("No")));
        click(&f.card, QStringLiteral("cmdPrimo"));
        QCOMPARE(f.edit("txtCodice")->text(), QStringLiteral("ABC"));
        f.edit("txtCodice")->setFocus();
        f.edit("txtCodice")->end(false);
        type(f.edit("txtCodice"), QStringLiteral("d"));
        QCOMPARE(f.edit("txtCodice")->text(), QStringLiteral("ABCD"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.stored(1).text(Codice), QStringLiteral("ABCD"));
    }

    void aFlagThatIsNeitherYesNorNoLeavesTheCheckBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        // clang-format off
        QTest::newRow("empty") << "" << true;
        QTest::newRow("other text") << "Si" << true;
        QTest::newRow("no") << "No" << false;
        QTest::newRow("yes") << QString::fromUtf8("S\u00EC") << true;
        // clang-format on
    }
    void aFlagThatIsNeitherYesNorNoLeavesTheCheckBox()
    {
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        Fixture f;
        writeFile(f.path(), probe(QStringLiteral("A"), stored));
        f.flag()->setChecked(true);
        click(&f.card, QStringLiteral("cmdPrimo"));
        QCOMPARE(f.flag()->isChecked(), ticked);
    }

    void theArchiveMessageHasTheCardsKind_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<MessageKind>("kind");
        // clang-format off
        QTest::newRow("first") << "cmdPrimo" << MessageKind::Warning;
        QTest::newRow("next") << "cmdAvanti" << MessageKind::Error;
        QTest::newRow("previous") << "cmdIndietro" << MessageKind::Error;
        QTest::newRow("last") << "cmdUltimo" << MessageKind::Error;
        QTest::newRow("save") << "cmdSalva" << MessageKind::Warning;
        // clang-format on
    }
    void theArchiveMessageHasTheCardsKind()
    {
        QFETCH(QString, button);
        QFETCH(MessageKind, kind);
        Fixture f;
        f.edit("txtCodice")->setText(QStringLiteral("A1"));
        {
            OpenFails fails;
            click(&f.card, button);
        }
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].kind, kind);
        QCOMPARE(f.platform.messages.shown[0].text, CardMessages::archiveAccess());
    }
};

QTEST_MAIN(TestCardHooks)
#include "tst_cardhooks.moc"
