#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "quotes/TfrmMenuPreventivi.h"
#include "shell/LinkLabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using WindowTestKit::showActive;
using WindowTestKit::withNextModal;

class TestYearWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void showingFillsTheComputersYear();
    void apriRefusesAnythingButFourDigits_data();
    void apriRefusesAnythingButFourDigits();
    void apriOpensTheYearFile();
    void typedKeysReachApriByEnter();
    void leavingWithoutApriGoesBackToTheMenu_data();
    void leavingWithoutApriGoesBackToTheMenu();
    void logoLinkOpensTheLogoWindow();
    void guidaOpensTheQuotesHelp();
    void shots();

private:
    struct Opened
    {
        QLineEdit *year;
        QPushButton *apri;
        QLabel *memory;
    };
    static Opened controls(TfrmMenuPreventivi &window);
};

void TestYearWindow::initTestCase()
{
    WindowTestKit::useProgramLook();
}

TestYearWindow::Opened TestYearWindow::controls(TfrmMenuPreventivi &window)
{
    Opened c{window.findChild<QLineEdit *>(QStringLiteral("txtAnnoPreventivi")),
             window.findChild<QPushButton *>(QStringLiteral("btnApriPreventivi")),
             window.findChild<QLabel *>(QStringLiteral("lblMemory"))};
    if (!c.year || !c.apri || !c.memory)
        qFatal("year window controls missing");
    return c;
}

void TestYearWindow::showingFillsTheComputersYear()
{
    TestFolder folder;
    FakePlatform platform;
    platform.clock.value = QDateTime(QDate(2031, 1, 2), QTime(8, 0));
    TfrmMenuPreventivi window;
    const Opened c = controls(window);
    showActive(&window);
    QCOMPARE(c.year->text(), QStringLiteral("2031"));
    QCOMPARE(c.memory->text(), QStringLiteral("avvio"));
    QVERIFY(c.year->hasFocus());
    QCOMPARE(c.year->maxLength(), 4);
    QCOMPARE(window.windowTitle(), QStringLiteral(" Quadrivo - Emissione preventivi"));

    // A later visit starts again from the computer's year, whatever was typed before.
    c.year->setText(QStringLiteral("19"));
    window.hide();
    platform.clock.value = QDateTime(QDate(2032, 6, 1), QTime(8, 0));
    window.show();
    QCOMPARE(c.year->text(), QStringLiteral("2032"));
}

void TestYearWindow::apriRefusesAnythingButFourDigits_data()
{
    QTest::addColumn<QString>("year");
    QTest::newRow("two digits") << QStringLiteral("24");
    QTest::newRow("empty") << QString();
    QTest::newRow("three digits") << QStringLiteral("202");
    // Pasted texts escape the typing filter; four characters are not a year unless all are digits.
    QTest::newRow("pasted blanks") << QStringLiteral("24  ");
    QTest::newRow("pasted letters") << QStringLiteral("ab12");
    QTest::newRow("pasted path") << QStringLiteral("../x");
}

void TestYearWindow::apriRefusesAnythingButFourDigits()
{
    QFETCH(QString, year);
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    const Opened c = controls(window);
    showActive(&window);
    QSignalSpy opened(&window, &TfrmMenuPreventivi::openYear);
    QSignalSpy toMenu(&window, &AreaWindow::closedToMenu);

    c.year->setText(year);
    c.apri->setFocus();
    c.apri->click();

    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(platform.messages.shown[0].text,
             QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    QVERIFY(window.isVisible());
    QVERIFY(c.year->hasFocus());
    QCOMPARE(c.memory->text(), QStringLiteral("avvio"));
    QCOMPARE(opened.size(), 0);
    QCOMPARE(toMenu.size(), 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
}

void TestYearWindow::apriOpensTheYearFile()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    const Opened c = controls(window);
    showActive(&window);
    QSignalSpy opened(&window, &TfrmMenuPreventivi::openYear);
    QSignalSpy toMenu(&window, &AreaWindow::closedToMenu);
    // What the quote window will see when it takes over: the tag already says where to go.
    QString tagWhenOpened;
    connect(&window, &TfrmMenuPreventivi::openYear, this, [&] { tagWhenOpened = c.memory->text(); });

    c.year->setText(QStringLiteral("2024"));
    c.apri->click();

    QCOMPARE(platform.messages.shown.size(), 0);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), programFile(QStringLiteral("2024.pre")));
    QCOMPARE(opened[0][0].toString(), folder.file(QStringLiteral("2024.pre")));
    QCOMPARE(opened[0][1].toString(), QStringLiteral(" Quadrivo - Emissione preventivi anno 2024"));
    QCOMPARE(window.yearFilePath(), folder.file(QStringLiteral("2024.pre")));
    QCOMPARE(tagWhenOpened, QStringLiteral("preventivi"));
    QCOMPARE(toMenu.size(), 0);
    QVERIFY(!window.isVisible());
    // The year file is created by the first quote operation, not here.
    QVERIFY(!folder.exists(QStringLiteral("2024.pre")));

    // Coming back from the menu is a new visit: leaving now returns to the menu.
    window.show();
    QCOMPARE(c.memory->text(), QStringLiteral("avvio"));
    window.close();
    QCOMPARE(toMenu.size(), 1);
    QCOMPARE(opened.size(), 1);
}

void TestYearWindow::typedKeysReachApriByEnter()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    const Opened c = controls(window);
    showActive(&window);
    QSignalSpy opened(&window, &TfrmMenuPreventivi::openYear);

    c.year->clear();
    QTest::keyClicks(c.year, QStringLiteral("2a0-2 .9x"));
    QCOMPARE(c.year->text(), QStringLiteral("2029"));
    QTest::keyClick(c.year, Qt::Key_Backspace);
    QTest::keyClick(c.year, Qt::Key_5);
    QCOMPARE(c.year->text(), QStringLiteral("2025"));

    QTest::keyClick(c.year, Qt::Key_Return);
    QVERIFY(c.apri->hasFocus());
    QCOMPARE(opened.size(), 0);
    QTest::keyClick(c.apri, Qt::Key_Return);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][1].toString(), QStringLiteral(" Quadrivo - Emissione preventivi anno 2025"));
}

void TestYearWindow::leavingWithoutApriGoesBackToTheMenu_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("imgEsci") << true;
    QTest::newRow("window frame") << false;
}

void TestYearWindow::leavingWithoutApriGoesBackToTheMenu()
{
    QFETCH(bool, byExitButton);
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    showActive(&window);
    QSignalSpy opened(&window, &TfrmMenuPreventivi::openYear);
    QSignalSpy toMenu(&window, &AreaWindow::closedToMenu);

    // A refused year first: the warning does not turn the exit into an opening.
    controls(window).year->setText(QStringLiteral("24"));
    controls(window).apri->click();
    if (byExitButton)
        window.findChild<QToolButton *>(QStringLiteral("imgEsci"))->click();
    else
        window.close();

    QCOMPARE(toMenu.size(), 1);
    QCOMPARE(opened.size(), 0);
    QVERIFY(!window.isVisible());
}

void TestYearWindow::logoLinkOpensTheLogoWindow()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    showActive(&window);
    auto *link = window.findChild<LinkLabel *>(QStringLiteral("lnkWeb"));
    auto *picture = window.findChild<QLabel *>(QStringLiteral("imgEmail"));
    QVERIFY(link && picture);
    QCOMPARE(link->text(), QStringLiteral("Imposta logo Ditta"));

    for (QWidget *target : {static_cast<QWidget *>(link), static_cast<QWidget *>(picture)}) {
        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(link->palette().color(QPalette::WindowText), LinkLabel::pressedColor());

        QString opened;
        QColor colourWhileOpen;
        withNextModal([&] { QTest::mouseRelease(target, Qt::LeftButton); },
                      [&](QDialog *modal) {
                          opened = modal->objectName() + u'|' + modal->windowTitle();
                          colourWhileOpen = link->palette().color(QPalette::WindowText);
                          modal->close();
                      });
        QCOMPARE(opened, QStringLiteral("TfrmLogo| Impostazione logo Ditta"));
        QCOMPARE(colourWhileOpen, LinkLabel::normalColor());
        QCOMPARE(link->palette().color(QPalette::WindowText), LinkLabel::normalColor());
    }
    // Looking at the logo writes nothing.
    QVERIFY(!folder.exists(QStringLiteral("Logo.bmp")));
}

void TestYearWindow::guidaOpensTheQuotesHelp()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    showActive(&window);
    QString title;
    withNextModal([&] { WindowTestKit::click(&window, QStringLiteral("imgGuida")); },
                  [&](QDialog *modal) {
                      if (auto *label = modal->findChild<QLabel *>(QStringLiteral("lblTitolo")))
                          title = label->text();
                      modal->close();
                  });
    QCOMPARE(title, QStringLiteral("Applicazione Emissione Preventivi."));
    QVERIFY(window.isVisible());
}

void TestYearWindow::shots()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmMenuPreventivi window;
    window.show();
    WindowShot::keepAtScreenSizes(&window, QStringLiteral("TfrmMenuPreventivi"));
}

QTEST_MAIN(TestYearWindow)
#include "tst_yearwindow.moc"
