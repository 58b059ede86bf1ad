// Save never stores something other than what the card shows: a field holding characters the
// archive's code page cannot hold is refused on every card, and text the code page holds is
// stored whole, to the byte.
#include "CardKinds.h"
#include "FakePlatform.h"
#include "TestFolder.h"
#include "core/Win1252.h"

#include <QFileInfo>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;

namespace {

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    CardKind kind;
    std::unique_ptr<CardWindow> card;

    explicit Fixture(const QString &name) : kind(cardKind(name)), card(kind.make())
    {
        showActive(card.get());
        kind.open(card.get());
        click(card.get(), QStringLiteral("cmdNuovo")); // a quote's New numbers and dates it
        fill(card.get(), kind.typedForNew);
        platform.messages.clear();
    }
    ~Fixture() { card->hide(); }
    QString path() const { return folder.file(kind.file()); }
    int noteField() const
    {
        const int note = kind.layout().indexOf(QStringLiteral("Note"));
        return note >= 0 ? note : kind.layout().indexOf(QStringLiteral("txtNote"));
    }
    QLineEdit *note() const { return card->control<QLineEdit>(noteField()); }
    qint64 fileSize() const { return QFileInfo(path()).exists() ? QFileInfo(path()).size() : 0; }
};

// Every card has a free-text note of 250 characters.
void addCardRows()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("caption");
    QTest::newRow("customers") << "clienti"
                               << "Note";
    QTest::newRow("suppliers") << "fornitori"
                               << "Note";
    QTest::newRow("items") << "magazzino"
                           << "Note";
    QTest::newRow("deadlines") << "scadenzario"
                               << "Note";
    QTest::newRow("quotes") << "preventivi"
                            << "NOTE";
}

} // namespace

class TestSaveChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void unstorableCharactersAreNotSaved_data() { addCardRows(); }
    void unstorableCharactersAreNotSaved()
    {
        QFETCH(QString, card);
        QFETCH(QString, caption);
        Fixture f(card);
        // Pasted: typing these characters is refused at the key.
        f.note()->setText(QStringLiteral("\u2013 10\u20AC \u0151 \u2713 \u0141\u00F3d\u017A \U0001F600"));
        f.card->firstField()->setFocus();
        const qint64 before = f.fileSize();
        click(f.card.get(), QStringLiteral("cmdSalva"));
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.platform.messages.shown[0].text,
                 QStringLiteral("Attenzione: il campo \"%1\" contiene caratteri che l'archivio non pu\u00F2 "
                                "memorizzare (\u0151 \u2713 \u0141 \u017A \U0001F600).")
                     .arg(caption));
        QCOMPARE(focusedName(), QStringLiteral("txtNote"));
        QCOMPARE(f.fileSize(), before);
        QCOMPARE(f.card->positionLabel()->text(), QString());
    }

    void codePageTextIsStoredWhole_data() { addCardRows(); }
    void codePageTextIsStoredWhole()
    {
        QFETCH(QString, card);
        Fixture f(card);
        const QString letters =
            QStringLiteral("\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9\u00C0\u00C8\u00C9\u00D9\u00E7"
                           "\u00F1\u00E4\u00F6\u00FC\u00DF\u00F8\u00E6\u0153\u0152\u0161\u0160"
                           "\u017E\u017D\u0178\u00FF\u20AC\u2013\u2014\u201C\u201D\u2019");
        QString note;
        for (int i = 0; note.size() < 250; ++i)
            note += i % 5 == 4 ? QChar(u'a' + i % 26) : letters.at(i % letters.size());
        QVERIFY(Win1252::canEncode(note));
        const int field = f.noteField();
        f.note()->setText(note);
        click(f.card.get(), QStringLiteral("cmdSalva"));
        QCOMPARE(f.platform.messages.lastText(),
                 QStringLiteral("La scheda corrente \u00E8 stata %1 in archivio.")
                     .arg(card == QLatin1StringView("scadenzario") ? QStringLiteral("salvata")
                                                                   : QStringLiteral("inserita")));
        const QByteArray bytes = readFile(f.path());
        const int size = f.kind.layout().recordSize();
        QCOMPARE(bytes.size(), size);
        const Record stored = Record::decode(f.kind.layout(), bytes);
        QCOMPARE(stored.text(field), note);
        QCOMPARE(Win1252::encode(stored.text(field)), Win1252::encode(note));
    }
};

QTEST_MAIN(TestSaveChecks)
#include "tst_savechecks.moc"
