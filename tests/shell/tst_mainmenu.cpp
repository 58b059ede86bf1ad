#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "shell/AreaWindow.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmGuida.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

namespace {

const QStringList kAreaNames = {QStringLiteral("Clienti"),    QStringLiteral("Fornitori"),
                                QStringLiteral("Magazzino"),  QStringLiteral("Inventario"),
                                QStringLiteral("Preventivi"), QStringLiteral("Scadenzario")};

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void unregisteredAreasAreDisabled();
    void areaOpensAndReturns_data();
    void areaOpensAndReturns();
    void windowReachedThroughAnAreaReturnsToo();
    void closingTheMenuEndsTheProgram_data();
    void closingTheMenuEndsTheProgram();
    void siteOpensTheWebAddress();
    void helpOpensAFreshGeneralPageEachTime();
    void shots();

private:
    QAbstractButton *control(const QString &name) const;

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<TfrmAvvio> m_menu;
};

void TestMainMenu::initTestCase()
{
    WindowTestKit::useProgramLook();
}

void TestMainMenu::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_platform = std::make_unique<FakePlatform>();
    m_menu = std::make_unique<TfrmAvvio>();
    m_menu->showMenu();
}

void TestMainMenu::cleanup()
{
    m_menu.reset();
    m_platform.reset();
    m_folder.reset();
}

QAbstractButton *TestMainMenu::control(const QString &name) const
{
    auto *b = m_menu->findChild<QAbstractButton *>(name);
    if (!b)
        qFatal("no control %s", qPrintable(name));
    return b;
}

void TestMainMenu::unregisteredAreasAreDisabled()
{
    for (const QString &area : kAreaNames) {
        QVERIFY(!control(QStringLiteral("img") + area)->isEnabled());
        QVERIFY(!control(QStringLiteral("btn") + area)->isEnabled());
    }
    AreaWindow customers;
    m_menu->setAreaWindow(Area::Clienti, &customers);
    QVERIFY(control(QStringLiteral("imgClienti"))->isEnabled());
    QVERIFY(control(QStringLiteral("btnClienti"))->isEnabled());
    QVERIFY(!control(QStringLiteral("btnFornitori"))->isEnabled());

    // A disabled entry does nothing even if reached from code.
    m_menu->openArea(Area::Fornitori);
    QVERIFY(m_menu->isVisible());
    for (const char *always : {"imgGuida", "imgInfo", "imgCrediti", "icoSito", "imgEsci"})
        QVERIFY(control(QString::fromLatin1(always))->isEnabled());
}

void TestMainMenu::areaOpensAndReturns_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("clicked");
    for (int i = 0; i < TfrmAvvio::kAreaCount; ++i) {
        const QString name = kAreaNames[i];
        QTest::newRow(qPrintable(QStringLiteral("img") + name)) << i << QStringLiteral("img") + name;
        QTest::newRow(qPrintable(QStringLiteral("btn") + name)) << i << QStringLiteral("btn") + name;
    }
}

void TestMainMenu::areaOpensAndReturns()
{
    QFETCH(int, area);
    QFETCH(QString, clicked);
    AreaWindow target;
    AreaWindow other;
    m_menu->setAreaWindow(Area(area), &target);
    m_menu->setAreaWindow(Area((area + 1) % TfrmAvvio::kAreaCount), &other);

    control(clicked)->click();
    QVERIFY(target.isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(!m_menu->isVisible());

    target.close();
    QVERIFY(!target.isVisible());
    QVERIFY(m_menu->isVisible());
    QVERIFY(m_menu->isMaximized());

    // The same area opens again after coming back.
    control(clicked)->click();
    QVERIFY(target.isVisible());
    QVERIFY(!m_menu->isVisible());
}

void TestMainMenu::windowReachedThroughAnAreaReturnsToo()
{
    AreaWindow yearWindow;
    AreaWindow quoteWindow;
    m_menu->setAreaWindow(Area::Preventivi, &yearWindow);
    m_menu->returnHereFrom(&quoteWindow);
    m_menu->returnHereFrom(&quoteWindow); // once is enough, twice does no harm
    QSignalSpy shown(&quoteWindow, &AreaWindow::closedToMenu);

    control(QStringLiteral("btnPreventivi"))->click();
    quoteWindow.show();
    yearWindow.hide();
    quoteWindow.close();
    QCOMPARE(shown.size(), 1);
    QVERIFY(m_menu->isVisible());
}

void TestMainMenu::closingTheMenuEndsTheProgram_data()
{
    QTest::addColumn<bool>("byExitPicture");
    QTest::newRow("imgEsci") << true;
    QTest::newRow("window frame") << false;
}

void TestMainMenu::closingTheMenuEndsTheProgram()
{
    QFETCH(bool, byExitPicture);
    QSignalSpy ended(m_menu.get(), &TfrmAvvio::endRequested);
    if (byExitPicture)
        control(QStringLiteral("imgEsci"))->click();
    else
        m_menu->close();
    QCOMPARE(ended.size(), 1);
    QVERIFY(m_platform->messages.questions.isEmpty());
}

void TestMainMenu::siteOpensTheWebAddress()
{
    control(QStringLiteral("icoSito"))->click();
    QCOMPARE(m_platform->shell.opened, QStringList{QStringLiteral("https://www.quadrivo.example")});
}

void TestMainMenu::helpOpensAFreshGeneralPageEachTime()
{
    QStringList titles;
    QList<QPointer<QWidget>> windows;
    for (int round = 0; round < 2; ++round) {
        WindowTestKit::withNextModal(
            [&] { control(QStringLiteral("imgGuida"))->click(); },
            [&](QDialog *dialog) {
                auto *help = qobject_cast<TfrmGuida *>(dialog);
                QVERIFY(help);
                windows << help;
                titles << WindowTestKit::find<QLabel>(help, QStringLiteral("lblTitolo"))->text();
                WindowTestKit::click(help, QStringLiteral("btnChiudi"));
            });
    }
    QCOMPARE(titles, QStringList({QStringLiteral("Uno sguardo a Quadrivo."),
                                  QStringLiteral("Uno sguardo a Quadrivo.")}));
    QCOMPARE(windows.size(), 2);
    QVERIFY(windows[0].isNull());
    QVERIFY(windows[1].isNull());
}

void TestMainMenu::shots()
{
    AreaWindow a, b, c;
    m_menu->setAreaWindow(Area::Clienti, &a);
    m_menu->setAreaWindow(Area::Fornitori, &b);
    m_menu->setAreaWindow(Area::Preventivi, &c);
    WindowShot::keepAtScreenSizes(m_menu.get(), QStringLiteral("menu"));
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
