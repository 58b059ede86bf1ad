// The attachment window on the customer, supplier and item cards: what it shows of the card, what
// "Applica e chiudi", "Annulla", the clear picture and "Apri" do, which paths it refuses, and that
// nothing reaches the archive before the card's own Save.
#include "../cards/CardKinds.h"
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "services/Attachments.h"
#include "services/TfrmAllegaCartella.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;

namespace {

const QString kContract = QStringLiteral("/home/anna/Documenti/Contratto fornitura 2026.pdf");
const QString kPhoto = QStringLiteral("/home/anna/Immagini/Vetrina \u00E8stiva \u20AC.jpg");
const QString kSheet = QStringLiteral("/srv/condivisa/schede/scheda-tecnica.odt");

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    CardKind kind;
    std::unique_ptr<CardWindow> card;

    explicit Fixture(const QString &mode) : kind(cardKind(mode)), card(kind.make())
    {
        // Record 1 has one attachment and a description without a file; record 2 has none.
        writeFile(path(), record(kind.layout(), kind.stored + Texts{{"File01", kContract},
                                                                    {"Desc01", "Contratto firmato"},
                                                                    {"Desc03", "Foto da fare"}}) +
                              record(kind.layout(), kind.stored));
        card->resize(1366, 768);
        card->show();
        card->activateWindow();
        if (!QTest::qWaitForWindowActive(card.get()))
            qFatal("card window not active");
        click(card.get(), QStringLiteral("cmdPrimo"));
        platform.messages.clear();
    }
    QString path() const { return folder.file(kind.file()); }
    QString label(const QString &name) const { return find<QLabel>(card.get(), name)->text(); }
    QStringList labels() const
    {
        QStringList texts;
        for (const char *name :
             {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
            texts << label(QLatin1StringView(name));
        return texts;
    }
    Record stored(int position) const
    {
        const int size = kind.layout().recordSize();
        return Record::decode(kind.layout(), recordAt(readFile(path()), size, position));
    }
    QString stored(int position, const char *field) const
    {
        return stored(position).text(kind.layout().indexOf(QString::fromLatin1(field)));
    }
    // Opens the attachment window from the card and hands it to `act`.
    void attachments(const std::function<void(QDialog *)> &act)
    {
        withNextModal([this] { click(card.get(), QStringLiteral("cmdFile")); }, act);
    }
};

QLineEdit *edit(QWidget *w, const QString &name)
{
    return find<QLineEdit>(w, name);
}

QPushButton *button(QWidget *w, const QString &name)
{
    return find<QPushButton>(w, name);
}

void addModes()
{
    QTest::addColumn<QString>("mode");
    for (const char *mode : {"clienti", "fornitori", "magazzino"})
        QTest::newRow(mode) << QString::fromLatin1(mode);
}

} // namespace

class TestAttachments : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    // Every card shows its attachments in the window; cleared, chosen and described rows reach
    // the record only with the card's Save, and the rest of the record stays as it was.
    void applyThenSaveStoresTheRows_data() { addModes(); }
    void applyThenSaveStoresTheRows()
    {
        QFETCH(QString, mode);
        Fixture f(mode);
        QVERIFY(find<QToolButton>(f.card.get(), QStringLiteral("cmdFile"))->isEnabled());
        const Record before = f.stored(1);

        f.platform.fileDialogs.chooseNext(kSheet);
        f.attachments([&](QDialog *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral(" Allega file"));
            QCOMPARE(find<QLabel>(w, QStringLiteral("lblMemory"))->text(), mode);
            QCOMPARE(edit(w, QStringLiteral("txtFile01"))->text(), kContract);
            QVERIFY(edit(w, QStringLiteral("txtFile01"))->isReadOnly());
            QCOMPARE(edit(w, QStringLiteral("txtDesc01"))->text(), QStringLiteral("Contratto firmato"));
            QVERIFY(button(w, QStringLiteral("btnApri01"))->isEnabled());
            for (const char *row : {"02", "03"}) {
                QVERIFY(edit(w, QStringLiteral("txtFile") + QLatin1StringView(row))->text().isEmpty());
                QVERIFY(!button(w, QStringLiteral("btnApri") + QLatin1StringView(row))->isEnabled());
            }
            QCOMPARE(edit(w, QStringLiteral("txtDesc03"))->text(), QStringLiteral("Foto da fare"));

            click(w, QStringLiteral("imgCancella01"));
            QVERIFY(edit(w, QStringLiteral("txtFile01"))->text().isEmpty());
            QVERIFY(!button(w, QStringLiteral("btnApri01"))->isEnabled());
            QCOMPARE(edit(w, QStringLiteral("txtDesc01"))->text(), QStringLiteral("Contratto firmato"));

            click(w, QStringLiteral("btnSfoglia02"));
            QCOMPARE(edit(w, QStringLiteral("txtFile02"))->text(), kSheet);
            QVERIFY(button(w, QStringLiteral("btnApri02"))->isEnabled());
            edit(w, QStringLiteral("txtDesc02"))->setText(QStringLiteral("  Scheda tecnica  "));
            click(w, QStringLiteral("btnApplica"));
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(f.platform.fileDialogs.requests.size(), 1);
        QCOMPARE(f.platform.fileDialogs.requests[0].title,
                 QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(f.platform.fileDialogs.requests[0].filter, QStringLiteral("Tutti i file (*.*)"));
        QCOMPARE(f.labels(),
                 (QStringList{"", kSheet, "", "Contratto firmato", "Scheda tecnica", "Foto da fare"}));
        QCOMPARE(f.stored(1).encode(), before.encode()); // nothing written yet

        click(f.card.get(), QStringLiteral("cmdSalva"));
        QCOMPARE(f.platform.messages.shown.size(), 1); // "... salvate in archivio."
        QCOMPARE(f.platform.messages.shown[0].kind, MessageKind::Information);
        const Record after = f.stored(1);
        const RecordLayout &layout = f.kind.layout();
        for (int field = 0; field < layout.fieldCount(); ++field) {
            const QString name = layout.name(field);
            if (name == QLatin1StringView("File01"))
                QCOMPARE(after.text(field), QString());
            else if (name == QLatin1StringView("File02"))
                QCOMPARE(after.text(field), kSheet);
            else if (name == QLatin1StringView("Desc02"))
                QCOMPARE(after.text(field), QStringLiteral("Scheda tecnica"));
            else
                QVERIFY2(after.text(field) == before.text(field), qPrintable(name));
        }
    }

    // "Annulla" after choosing, describing and clearing leaves the card as it was, and a Save
    // then writes the record back unchanged.
    void cancelChangesNothing()
    {
        Fixture f(QStringLiteral("clienti"));
        const QStringList before = f.labels();
        const QByteArray bytes = readFile(f.path());
        f.platform.fileDialogs.chooseNext(kSheet);
        f.platform.fileDialogs.chooseNext(kPhoto);
        f.attachments([&](QDialog *w) {
            click(w, QStringLiteral("btnSfoglia02"));
            click(w, QStringLiteral("btnSfoglia03"));
            click(w, QStringLiteral("imgCancella01"));
            edit(w, QStringLiteral("txtDesc01"))->setText(QStringLiteral("altro"));
            QCOMPARE(edit(w, QStringLiteral("txtFile03"))->text(), kPhoto);
            click(w, QStringLiteral("btnAnnulla"));
        });
        QCOMPARE(f.labels(), before);
        click(f.card.get(), QStringLiteral("cmdSalva"));
        QCOMPARE(readFile(f.path()), bytes);
    }

    // Applied attachments live on the card only: moving to another card without saving stores
    // nothing, and coming back shows the stored ones.
    void movingAwayBeforeSaveStoresNothing()
    {
        Fixture f(QStringLiteral("fornitori"));
        const QByteArray bytes = readFile(f.path());
        f.platform.fileDialogs.chooseNext(kPhoto);
        f.attachments([&](QDialog *w) {
            click(w, QStringLiteral("btnSfoglia01"));
            click(w, QStringLiteral("btnApplica"));
        });
        QCOMPARE(f.label(QStringLiteral("lblFile01")), kPhoto);
        click(f.card.get(), QStringLiteral("cmdAvanti"));
        QVERIFY(f.label(QStringLiteral("lblFile01")).isEmpty());
        click(f.card.get(), QStringLiteral("cmdIndietro"));
        QCOMPARE(f.label(QStringLiteral("lblFile01")), kContract);
        QCOMPARE(readFile(f.path()), bytes);
    }

    // A path the archive would store cut or altered is refused with a warning and the row keeps
    // what it had; a cancelled dialog changes nothing either.
    void unstorablePathsAreRefused_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("accepted");
        const QString folder = QStringLiteral("/home/anna/");
        QTest::newRow("cyrillic folder")
            << folder + QStringLiteral("\u0414\u043E\u043A/fattura.pdf") << false;
        QTest::newRow("chinese name") << folder + QStringLiteral("\u6587\u4EF6.pdf") << false;
        QTest::newRow("emoji") << folder + QStringLiteral("foto \U0001F600.jpg") << false;
        QTest::newRow("251 characters") << folder + QString(251 - folder.size() - 4, u'a') + ".pdf" << false;
        QTest::newRow("trailing blank") << folder + QStringLiteral("nota.txt ") << false;
        QTest::newRow("250 characters") << folder + QString(250 - folder.size() - 4, u'a') + ".pdf" << true;
        QTest::newRow("windows-1252 letters") << kPhoto << true;
        QTest::newRow("cancelled") << QString() << false;
    }
    void unstorablePathsAreRefused()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, accepted);
        Fixture f(QStringLiteral("magazzino"));
        f.platform.fileDialogs.chooseNext(chosen);
        f.attachments([&](QDialog *w) {
            click(w, QStringLiteral("btnSfoglia01"));
            QCOMPARE(edit(w, QStringLiteral("txtFile01"))->text(), accepted ? chosen : kContract);
            QVERIFY(button(w, QStringLiteral("btnApri01"))->isEnabled());
            click(w, QStringLiteral("btnApplica"));
        });
        QCOMPARE(f.label(QStringLiteral("lblFile01")), accepted ? chosen : kContract);
        if (accepted || chosen.isEmpty()) {
            QVERIFY(f.platform.messages.shown.isEmpty());
        } else {
            QCOMPARE(f.platform.messages.shown.size(), 1);
            QCOMPARE(f.platform.messages.shown[0].kind, MessageKind::Warning);
            QCOMPARE(f.platform.messages.shown[0].text, Attachments::refusedMessage());
        }
        click(f.card.get(), QStringLiteral("cmdSalva"));
        QCOMPARE(f.stored(1, "File01"), accepted ? chosen : kContract);
    }

    // "Apri" hands the row's path, in double quotes, to the desktop; nothing else happens.
    void openHandsThePathToTheShell()
    {
        Fixture f(QStringLiteral("clienti"));
        f.attachments([&](QDialog *w) {
            click(w, QStringLiteral("btnApri01"));
            QVERIFY(w->isVisible());
            WindowShot::keep(w, QStringLiteral("allega-file"));
        });
        QCOMPARE(f.platform.shell.opened, QStringList{QLatin1Char('"') + kContract + QLatin1Char('"')});
        QVERIFY(f.platform.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestAttachments)
#include "tst_attachments.moc"
