#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "quotes/TfrmNumerazione.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kIni = QStringLiteral("Taccuino.ini");

// A settings file as a user's installation holds it: issuer data, a comment, the numbering keys
// with the year flag set by hand, and a section of someone else's.
const QByteArray kFixture = "[Ditta Emittente]\r\n"
                            "Nome=Rossi S.r.l.\r\n"
                            "Aliquota Iva=22\r\n"
                            "\r\n"
                            "; numerazione impostata a mano\r\n"
                            "[Numerazione Preventivi]\r\n"
                            "Inizio=3\r\n"
                            "Indicazione Anno Solare=S\xEC\r\n"
                            "\r\n"
                            "[Altro]\r\n"
                            "Chiave=valore\r\n";

} // namespace

class TestNumberingWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTestKit::useProgramLook(); }
    void showsTheStoredStart_data();
    void showsTheStoredStart();
    void applyStoresTheNormalisedStart_data();
    void applyStoresTheNormalisedStart();
    void applyKeepsEveryOtherLine();
    void annullaWritesNothing();
    void enterGoesToApplicaAndLeavingNormalises();
    void otherModesLeaveTheSettingAlone();
    void writeFailureWarnsAndKeepsTheWindow();
    void runOpensInQuoteMode();

private:
    struct Controls
    {
        QLineEdit *inizio;
        QPushButton *applica;
        QPushButton *annulla;
    };
    static Controls controls(TfrmNumerazione &window);
};

TestNumberingWindow::Controls TestNumberingWindow::controls(TfrmNumerazione &window)
{
    Controls c{window.findChild<QLineEdit *>(QStringLiteral("txtInizio")),
               window.findChild<QPushButton *>(QStringLiteral("btnApplica")),
               window.findChild<QPushButton *>(QStringLiteral("btnAnnulla"))};
    if (!c.inizio || !c.applica || !c.annulla)
        qFatal("numbering window controls missing");
    return c;
}

void TestNumberingWindow::showsTheStoredStart_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no file") << QByteArray() << QStringLiteral("1");
    QTest::newRow("stored 50") << QByteArray("[Numerazione Preventivi]\r\nInizio=50\r\n")
                               << QStringLiteral("50");
    QTest::newRow("stored 0") << QByteArray("[Numerazione Preventivi]\r\nInizio=0\r\n")
                              << QStringLiteral("0");
    QTest::newRow("empty value") << QByteArray("[Numerazione Preventivi]\r\nInizio=\r\n")
                                 << QStringLiteral("1");
    QTest::newRow("other case, LF") << QByteArray("[numerazione preventivi]\ninizio = 12\n")
                                    << QStringLiteral("12");
}

void TestNumberingWindow::showsTheStoredStart()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, shown);
    TestFolder folder;
    FakePlatform platform;
    if (!ini.isEmpty())
        folder.write(kIni, ini);
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    window.show();
    QCOMPARE(controls(window).inizio->text(), shown);
    QCOMPARE(controls(window).inizio->maxLength(), 5);
}

void TestNumberingWindow::applyStoresTheNormalisedStart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("plain") << QStringLiteral("50") << QStringLiteral("50");
    QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("emptied") << QString() << QStringLiteral("1");
    QTest::newRow("largest") << QStringLiteral("99999") << QStringLiteral("99999");
}

void TestNumberingWindow::applyStoresTheNormalisedStart()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    TestFolder folder;
    FakePlatform platform;
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    window.show();
    const Controls c = controls(window);
    c.inizio->clear();
    QTest::keyClicks(c.inizio, typed);
    c.applica->click();

    QCOMPARE(window.result(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
    QCOMPARE(platform.messages.shown.size(), 0);
    QCOMPARE(folder.read(kIni),
             QByteArray("[Numerazione Preventivi]\r\nInizio=" + stored.toLatin1() + "\r\n"));
}

void TestNumberingWindow::applyKeepsEveryOtherLine()
{
    TestFolder folder;
    FakePlatform platform;
    folder.write(kIni, kFixture);
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    window.show();
    const Controls c = controls(window);
    QCOMPARE(c.inizio->text(), QStringLiteral("3"));
    c.inizio->setText(QStringLiteral("50"));
    c.applica->click();

    QByteArray expected = kFixture;
    expected.replace("Inizio=3\r\n", "Inizio=50\r\n");
    QCOMPARE(folder.read(kIni), expected);
}

void TestNumberingWindow::annullaWritesNothing()
{
    TestFolder folder;
    FakePlatform platform;
    folder.write(kIni, kFixture);
    {
        TfrmNumerazione window;
        window.setMode(QStringLiteral("preventivi"));
        window.show();
        controls(window).inizio->setText(QStringLiteral("50"));
        controls(window).annulla->click();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(folder.read(kIni), kFixture);

    // Without a settings file, cancelling does not create one.
    TestFolder empty;
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    window.show();
    controls(window).annulla->click();
    QVERIFY(!empty.exists(kIni));
}

void TestNumberingWindow::enterGoesToApplicaAndLeavingNormalises()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    WindowTestKit::showActive(&window);
    const Controls c = controls(window);
    QVERIFY(c.inizio->hasFocus());

    c.inizio->clear();
    QTest::keyClicks(c.inizio, QStringLiteral("0a0,7-"));
    QCOMPARE(c.inizio->text(), QStringLiteral("007"));
    QTest::keyClick(c.inizio, Qt::Key_Return);
    QVERIFY(c.applica->hasFocus());
    QVERIFY(window.isVisible());
    QCOMPARE(c.inizio->text(), QStringLiteral("7"));
    QVERIFY(!folder.exists(kIni));

    // Emptied and left by Tab: back to 1.
    c.inizio->setFocus();
    c.inizio->clear();
    QTest::keyClick(c.inizio, Qt::Key_Tab);
    QVERIFY(!c.inizio->hasFocus());
    QCOMPARE(c.inizio->text(), QStringLiteral("1"));

    // Enter on the focused button applies.
    c.applica->setFocus();
    QTest::keyClick(c.applica, Qt::Key_Return);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(folder.read(kIni), QByteArray("[Numerazione Preventivi]\r\nInizio=1\r\n"));
}

void TestNumberingWindow::otherModesLeaveTheSettingAlone()
{
    TestFolder folder;
    FakePlatform platform;
    folder.write(kIni, kFixture);
    TfrmNumerazione window;
    window.show();
    const Controls c = controls(window);
    QCOMPARE(c.inizio->text(), QStringLiteral("1"));
    c.inizio->setText(QStringLiteral("80"));
    c.applica->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(folder.read(kIni), kFixture);
}

void TestNumberingWindow::writeFailureWarnsAndKeepsTheWindow()
{
    TestFolder folder;
    FakePlatform platform;
    // A folder where the settings file should be: nothing can be read or written there.
    QVERIFY(QDir(folder.path()).mkdir(kIni));
    TfrmNumerazione window;
    window.setMode(QStringLiteral("preventivi"));
    window.show();
    const Controls c = controls(window);
    c.inizio->setText(QStringLiteral("50"));
    c.applica->click();

    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Warning);
    QVERIFY(platform.messages.shown[0].text.startsWith(QStringLiteral("Attenzione: ")));
    QVERIFY(platform.messages.shown[0].text.contains(QStringLiteral("Taccuino.ini")));
    QVERIFY(window.isVisible());
    QCOMPARE(c.inizio->text(), QStringLiteral("50"));
    QVERIFY(QFileInfo(folder.file(kIni)).isDir());
}

void TestNumberingWindow::runOpensInQuoteMode()
{
    TestFolder folder;
    FakePlatform platform;
    folder.write(kIni, kFixture);
    QString title, shown;
    WindowTestKit::withNextModal([] { TfrmNumerazione::run(nullptr); },
                                 [&](QDialog *dialog) {
                                     auto *window = qobject_cast<TfrmNumerazione *>(dialog);
                                     QVERIFY(window);
                                     title = window->windowTitle();
                                     shown = controls(*window).inizio->text();
                                     WindowShot::keep(window, QStringLiteral("TfrmNumerazione"));
                                     controls(*window).inizio->setText(QStringLiteral("50"));
                                     controls(*window).applica->click();
                                 });

    QCOMPARE(title, QStringLiteral(" Impostazione inizio numerazione preventivi"));
    QCOMPARE(shown, QStringLiteral("3"));
    QVERIFY(folder.read(kIni).contains("Inizio=50\r\n"));
}

QTEST_MAIN(TestNumberingWindow)
#include "tst_numberingwindow.moc"
