// The card-window machinery as the user meets it, through the customer card: save and overwrite,
// mandatory fields, Duplicate, the arrows, focus frame, hint line, archive failures and a record
// changed by another workstation.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowTestKit.h"
#include "core/Archive.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "shell/TfrmAvvio.h"
#include "shell/card/CardFocus.h"
#include "shell/card/CardMessages.h"
#include "suppliers/TfrmFornitori.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;

namespace {

constexpr int R = 3151;

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    TfrmClienti card;

    Fixture()
    {
        showActive(&card);
        platform.messages.clear();
    }
    QString path() const { return folder.file(QStringLiteral("Clienti.pro")); }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(&card, QLatin1StringView(name)); }
    QString position() const { return card.positionLabel()->text(); }
    QByteArray file() const { return readFile(path()); }
    RecordingMessages &messages() { return platform.messages; }
};

QByteArray customer(const QString &cognome, const QString &nome = QStringLiteral("N"))
{
    return record(Clienti::layout(), {{QStringLiteral("Cognome"), cognome}, {QStringLiteral("Nome"), nome}});
}

QByteArray customers(int n)
{
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += customer(QStringLiteral("C%1").arg(i));
    return bytes;
}

} // namespace

class TestCardWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RecordFile::setLockDeadlineMs(300); }

    void saveCreatesRecordOneThenOverwritesIt()
    {
        Fixture f;
        type(f.edit("txtCognome"), QStringLiteral("Rossi"));
        type(f.edit("txtNome"), QStringLiteral("Mario"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.file().size(), R);
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
        QCOMPARE(f.messages().shown[0].text,
                 QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio."));

        f.edit("txtNome")->setFocus();
        QTest::keyClick(f.edit("txtNome"), Qt::Key_Backspace);
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.file().size(), R);
        QCOMPARE(f.position(), QStringLiteral("1"));
        QCOMPARE(
            f.messages().lastText(),
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(Record::decode(Clienti::layout(), f.file()).text(Clienti::Nome), QStringLiteral("Mari"));
    }

    void mandatoryFieldsInOrder_data()
    {
        QTest::addColumn<QString>("cognome");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString noSurname = QStringLiteral(
            // clang-format off
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il cognome del cliente.");
        const QString noName = QStringLiteral(
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del cliente.");
        QTest::newRow("nothing") << "" << "" << noSurname << "txtCognome";
        QTest::newRow("only the surname") << "Rossi" << "" << noName << "txtNome";
        QTest::newRow("only the name") << "" << "Mario" << noSurname << "txtCognome";
        QTest::newRow("blank-only surname") << "   " << "Mario" << noSurname << "txtCognome";
        QTest::newRow("blank-only name") << "Rossi" << "  " << noName << "txtNome";
        // clang-format on
    }
    void mandatoryFieldsInOrder()
    {
        QFETCH(QString, cognome);
        QFETCH(QString, nome);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        Fixture f;
        type(f.edit("txtCognome"), cognome);
        type(f.edit("txtNome"), nome);
        f.edit("txtDitta")->setFocus();
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!QFile::exists(f.path()));
        QCOMPARE(f.position(), QString());
    }

    void duplicateThenSaveAppendsAndLeavesTheOriginal()
    {
        Fixture f;
        const QByteArray before = customers(5);
        writeFile(f.path(), before);
        click(&f.card, QStringLiteral("cmdUltimo"));
        click(&f.card, QStringLiteral("cmdIndietro"));
        QCOMPARE(f.position(), QStringLiteral("4"));
        f.edit("txtDitta")->setFocus();

        click(&f.card, QStringLiteral("cmdDuplica"));
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.edit("txtCognome")->text(), QStringLiteral("C4"));
        QCOMPARE(QApplication::focusWidget(), f.edit("txtCognome"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
        QCOMPARE(f.messages().shown[0].text, CardMessages::duplicated());

        type(f.edit("txtNome"), QStringLiteral("bis"));
        click(&f.card, QStringLiteral("cmdSalva"));
        const QByteArray after = f.file();
        QCOMPARE(after.size(), 6 * R);
        QCOMPARE(after.left(5 * R), before);
        QCOMPARE(f.position(), QStringLiteral("6"));
        const Record copy = Record::decode(Clienti::layout(), recordAt(after, R, 6));
        QCOMPARE(copy.text(Clienti::Cognome), QStringLiteral("C4"));
        QCOMPARE(copy.text(Clienti::Nome), QStringLiteral("Nbis"));
    }

    void duplicateOfANewCardIsRefused()
    {
        Fixture f;
        type(f.edit("txtCognome"), QStringLiteral("Rossi"));
        click(&f.card, QStringLiteral("cmdDuplica"));
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.messages().shown[0].text, CardMessages::duplicateNeedsStoredCard());
        QCOMPARE(f.edit("txtCognome")->text(), QStringLiteral("Rossi"));
        QVERIFY(!QFile::exists(f.path()));
    }

    void arrows_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("start"); // the arrow pressed first, if any
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("emptyMessage");
        // clang-format off
        QTest::newRow("next on the last record does nothing")
            << 3 << "cmdUltimo" << "cmdAvanti" << "3" << false;
        QTest::newRow("previous on record 1 does nothing") << 3 << "cmdPrimo" << "cmdIndietro" << "1" << false;
        QTest::newRow("next on a new card shows record 1") << 3 << "" << "cmdAvanti" << "1" << false;
        QTest::newRow("previous on a new card shows record 1") << 3 << "" << "cmdIndietro" << "1" << false;
        QTest::newRow("next moves on") << 3 << "cmdPrimo" << "cmdAvanti" << "2" << false;
        QTest::newRow("previous moves back") << 3 << "cmdUltimo" << "cmdIndietro" << "2" << false;
        QTest::newRow("first") << 3 << "cmdUltimo" << "cmdPrimo" << "1" << false;
        QTest::newRow("last") << 3 << "" << "cmdUltimo" << "3" << false;
        QTest::newRow("next, empty archive") << 0 << "" << "cmdAvanti" << "" << true;
        QTest::newRow("previous, empty archive") << 0 << "" << "cmdIndietro" << "" << true;
        QTest::newRow("first, empty archive") << 0 << "" << "cmdPrimo" << "" << true;
        QTest::newRow("last, empty archive") << 0 << "" << "cmdUltimo" << "" << true;
        // clang-format on
    }
    void arrows()
    {
        QFETCH(int, records);
        QFETCH(QString, start);
        QFETCH(QString, arrow);
        QFETCH(QString, position);
        QFETCH(bool, emptyMessage);
        Fixture f;
        if (records > 0)
            writeFile(f.path(), customers(records));
        if (!start.isEmpty())
            click(&f.card, start);
        const QString before = f.position();
        f.edit("txtNome")->setText(QStringLiteral("edited"));

        click(&f.card, arrow);
        QCOMPARE(f.position(), position);
        if (emptyMessage) {
            QCOMPARE(f.messages().shown.size(), 1);
            QCOMPARE(f.messages().shown[0].kind, MessageKind::Information);
            QCOMPARE(f.messages().shown[0].text, QStringLiteral("L'archivio non contiene nessuna scheda."));
            QCOMPARE(QFileInfo(f.path()).size(), 0); // the first action created the archive, empty
        } else {
            QVERIFY(f.messages().shown.isEmpty());
        }
        if (position == before) {
            QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("edited")); // nothing was loaded
        } else {
            QCOMPARE(f.edit("txtCognome")->text(), QStringLiteral("C") + position);
            QCOMPARE(f.edit("txtNome")->text(), QStringLiteral("N"));
        }
    }

    void focusFrameFollowsTheFocus()
    {
        Fixture f;
        auto *frames = f.card.focusHighlighter();
        QLineEdit *cognome = f.edit("txtCognome");
        QLineEdit *nome = f.edit("txtNome");
        QCOMPARE(QApplication::focusWidget(), cognome);
        QVERIFY(frames->frameOf(cognome)->isVisible());
        QVERIFY(!frames->frameOf(nome)->isVisible());

        QTest::keyClick(cognome, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), nome);
        QVERIFY(!frames->frameOf(cognome)->isVisible());
        FocusFrame *frame = frames->frameOf(nome);
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(nome->geometry()));
        QVERIFY(frame->geometry() != nome->geometry());
    }

    void hintLine()
    {
        Fixture f;
        // Large enough for every control to be on screen, not scrolled away.
        f.card.setWindowState(Qt::WindowNoState);
        f.card.resize(1366, 768);
        QApplication::processEvents();
        QLabel *line = f.card.hintLabel();
        QCOMPARE(line->objectName(), QStringLiteral("panInfo"));
        QCOMPARE(line->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));

        QCOMPARE(hintOver(find<QToolButton>(&f.card, QStringLiteral("cmdSalva")), line),
                 QStringLiteral("Salva la scheda corrente in archivio."));
        // Edits have no hint and leave the line alone.
        QCOMPARE(hintOver(f.edit("txtCognome"), line),
                 QStringLiteral("Salva la scheda corrente in archivio."));
        QCOMPARE(hintOver(f.card.positionLabel(), line), QString());
        QCOMPARE(hintOver(find<QToolButton>(&f.card, QStringLiteral("cmdAvanti")), line),
                 QStringLiteral("Visualizza la scheda successiva in archivio."));
        QCOMPARE(hintOver(find<QCheckBox>(&f.card, QStringLiteral("chkRicontatta")), line),
                 QStringLiteral("Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."));
        // Back onto a section's frame, off any control.
        auto *section = qobject_cast<QGroupBox *>(f.edit("txtCognome")->parentWidget());
        QVERIFY(section);
        QTest::mouseMove(section, QPoint(section->width() - 3, section->height() - 3));
        QCOMPARE(line->text(), QString());
        QCOMPARE(hintOver(find<QToolButton>(&f.card, QStringLiteral("btnEmail")), line),
                 QStringLiteral("Invia una e-mail all'indirizzo indicato."));
        // Disabled, still explained.
        QCOMPARE(hintOver(find<QToolButton>(&f.card, QStringLiteral("cmdTrova")), line),
                 QStringLiteral("Trova una scheda in archivio."));
    }

    void anArchiveThatCannotBeOpenedIsReportedAndKept_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("fromNewCard");
        QTest::addColumn<QString>("positionAfter");
        // clang-format off
        QTest::newRow("first") << "cmdPrimo" << false << "2";
        QTest::newRow("previous") << "cmdIndietro" << false << "2";
        QTest::newRow("next") << "cmdAvanti" << false << "2";
        QTest::newRow("last") << "cmdUltimo" << false << "2";
        QTest::newRow("duplicate") << "cmdDuplica" << false << ""; // already turned into a new card
        QTest::newRow("save over record 2") << "cmdSalva" << false << "2";
        QTest::newRow("save of a new card") << "cmdSalva" << true << "";
        QTest::newRow("next from a new card") << "cmdAvanti" << true << "";
        // clang-format on
    }
    void anArchiveThatCannotBeOpenedIsReportedAndKept()
    {
        QFETCH(QString, button);
        QFETCH(bool, fromNewCard);
        QFETCH(QString, positionAfter);
        Fixture f;
        const QByteArray before = customers(3);
        writeFile(f.path(), before);
        if (fromNewCard) {
            type(f.edit("txtCognome"), QStringLiteral("Nuovo"));
            type(f.edit("txtNome"), QStringLiteral("Cliente"));
        } else {
            click(&f.card, QStringLiteral("cmdPrimo"));
            click(&f.card, QStringLiteral("cmdAvanti"));
            f.edit("txtNome")->setText(QStringLiteral("changed"));
        }
        f.messages().clear();
        {
            OpenFails fault;
            click(&f.card, button);
        }
        QCOMPARE(f.messages().shown.size(), 1);
        QCOMPARE(f.messages().shown[0].kind, MessageKind::Error);
        QCOMPARE(f.messages().shown[0].text, CardMessages::archiveAccess());
        QCOMPARE(f.file(), before);
        QCOMPARE(f.position(), positionAfter);
        QCOMPARE(f.edit("txtNome")->text(),
                 fromNewCard ? QStringLiteral("Cliente") : QStringLiteral("changed"));
    }

    void anArchiveThatIsAFolderIsReportedAndKept()
    {
        Fixture f;
        QVERIFY(QDir().mkdir(f.path()));
        click(&f.card, QStringLiteral("cmdPrimo"));
        type(f.edit("txtCognome"), QStringLiteral("Rossi"));
        type(f.edit("txtNome"), QStringLiteral("Mario"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().shown.size(), 2);
        for (const ShownMessage &m : std::as_const(f.messages().shown)) {
            QCOMPARE(m.kind, MessageKind::Error);
            QCOMPARE(m.text, CardMessages::archiveAccess());
        }
        QVERIFY(QFileInfo(f.path()).isDir());
        QCOMPARE(f.position(), QString());
    }

    void savingOverARecordChangedElsewhereAsks()
    {
        TestFolder folder;
        FakePlatform platform;
        const QString path = folder.file(QStringLiteral("Clienti.pro"));
        writeFile(path, customers(2));
        TfrmClienti mine;
        TfrmClienti theirs;
        mine.show();
        theirs.show();
        for (TfrmClienti *card : {&mine, &theirs}) {
            click(card, QStringLiteral("cmdUltimo"));
            QCOMPARE(card->positionLabel()->text(), QStringLiteral("2"));
        }
        find<QLineEdit>(&theirs, QStringLiteral("txtNome"))->setText(QStringLiteral("Theirs"));
        click(&theirs, QStringLiteral("cmdSalva"));
        QVERIFY(platform.messages.questions.isEmpty()); // one writer: no question
        const QByteArray afterTheirs = readFile(path);

        find<QLineEdit>(&mine, QStringLiteral("txtNome"))->setText(QStringLiteral("Mine"));
        platform.messages.clear();
        platform.messages.answerNext(false);
        click(&mine, QStringLiteral("cmdSalva"));
        QCOMPARE(platform.messages.questions, QStringList{CardMessages::changedElsewhere()});
        QVERIFY(platform.messages.shown.isEmpty());
        QCOMPARE(readFile(path), afterTheirs);
        QCOMPARE(find<QLineEdit>(&mine, QStringLiteral("txtNome"))->text(), QStringLiteral("Mine"));
        QCOMPARE(mine.positionLabel()->text(), QStringLiteral("2"));
    }

    void yesOverwritesTheOtherChangeAndLaterSavesDoNotAsk()
    {
        Fixture f;
        writeFile(f.path(), customers(3));
        click(&f.card, QStringLiteral("cmdUltimo"));
        Archive(f.path(), R).overwrite(3, customer(QStringLiteral("Altrove")));
        f.edit("txtNome")->setText(QStringLiteral("Mio"));

        f.messages().answerNext(true);
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().questions.size(), 1);
        QCOMPARE(f.messages().lastText(), CardMessages::changesSaved());
        Record stored = Record::decode(Clienti::layout(), recordAt(f.file(), R, 3));
        QCOMPARE(stored.text(Clienti::Cognome), QStringLiteral("C3"));
        QCOMPARE(stored.text(Clienti::Nome), QStringLiteral("Mio"));

        // What this card wrote is now what it knows: saving again asks nothing.
        f.edit("txtNome")->setText(QStringLiteral("Mio2"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages().questions.size(), 1);
        stored = Record::decode(Clienti::layout(), recordAt(f.file(), R, 3));
        QCOMPARE(stored.text(Clienti::Nome), QStringLiteral("Mio2"));
        QCOMPARE(f.file().size(), 3 * R);
    }

    void aRecordLoadedByAnotherWindowIsSavedInPlace()
    {
        Fixture f;
        const QByteArray before = customers(3);
        writeFile(f.path(), before);
        f.card.loadRecord(2, recordAt(before, R, 2));
        QCOMPARE(f.position(), QStringLiteral("2"));
        QCOMPARE(f.edit("txtCognome")->text(), QStringLiteral("C2"));
        f.edit("txtCognome")->setText(QStringLiteral("C2 bis"));
        click(&f.card, QStringLiteral("cmdSalva"));
        QVERIFY(f.messages().questions.isEmpty());
        const QByteArray after = f.file();
        QCOMPARE(recordAt(after, R, 1), recordAt(before, R, 1));
        QCOMPARE(recordAt(after, R, 3), recordAt(before, R, 3));
        QCOMPARE(Record::decode(Clienti::layout(), recordAt(after, R, 2)).text(Clienti::Cognome),
                 QStringLiteral("C2 bis"));
    }

    void closingReturnsToTheMenuAndReopeningShowsAnEmptyCard()
    {
        Fixture f;
        writeFile(f.path(), customers(2));
        click(&f.card, QStringLiteral("cmdUltimo"));
        type(f.edit("txtDitta"), QStringLiteral("unsaved"));
        QSignalSpy back(&f.card, &AreaWindow::closedToMenu);
        click(&f.card, QStringLiteral("cmdEsci"));
        QCOMPARE(back.size(), 1);
        QVERIFY(!f.card.isVisible());
        QVERIFY(f.messages().shown.isEmpty() && f.messages().questions.isEmpty());

        f.card.show();
        QCOMPARE(f.position(), QString());
        QCOMPARE(f.edit("txtCognome")->text(), QString());
        QCOMPARE(f.edit("txtDitta")->text(), QString());
        QCOMPARE(f.card.windowTitle(), QStringLiteral(" Quadrivo - Anagrafica Clienti"));
        QCOMPARE(f.file(), customers(2));
    }

    void theMenuOpensEachCardEmptyAndClosingReturnsToIt()
    {
        TestFolder folder;
        FakePlatform platform;
        writeFile(folder.file(QStringLiteral("Clienti.pro")), customers(2));
        TfrmAvvio menu;
        std::unique_ptr<AreaWindow> clienti(createTfrmClienti());
        std::unique_ptr<AreaWindow> fornitori(createTfrmFornitori());
        menu.setAreaWindow(Area::Clienti, clienti.get());
        menu.setAreaWindow(Area::Fornitori, fornitori.get());
        menu.show();

        for (int round = 0; round < 2; ++round) {
            menu.openArea(Area::Clienti);
            QVERIFY(clienti->isVisible());
            QVERIFY(!menu.isVisible());
            QCOMPARE(find<QLineEdit>(clienti.get(), QStringLiteral("txtCognome"))->text(), QString());
            QCOMPARE(find<QLabel>(clienti.get(), QStringLiteral("lblPosizione"))->text(), QString());
            click(clienti.get(), QStringLiteral("cmdUltimo")); // leave something on the card
            QCOMPARE(find<QLineEdit>(clienti.get(), QStringLiteral("txtCognome"))->text(),
                     QStringLiteral("C2"));
            click(clienti.get(), QStringLiteral("cmdEsci"));
            QVERIFY(!clienti->isVisible());
            QVERIFY(menu.isVisible());
        }
        menu.openArea(Area::Fornitori);
        QVERIFY(fornitori->isVisible());
        fornitori->close(); // the window frame
        QVERIFY(menu.isVisible());
        QVERIFY(platform.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestCardWindow)
#include "tst_cardwindow.moc"
