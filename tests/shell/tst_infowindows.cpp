#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "shell/Help.h"
#include "shell/LinkLabel.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

namespace {

const QString kContact = QStringLiteral(
    "\"mailto:info@quadrivo.example?subject=Software Quadrivo&body=Salve, desidererei avere le seguenti "
    "informazioni sul software in oggetto:\"");
const QString kSite = QStringLiteral("https://www.quadrivo.example");

QColor linkColor(const QLabel *link)
{
    return link->palette().color(QPalette::WindowText);
}

} // namespace

class TestInfoWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void linksOpenTheirTarget_data();
    void linksOpenTheirTarget();
    void linkTurnsOrangeWhilePressed_data();
    void linkTurnsOrangeWhilePressed();
    void helpWindowShowsThePage();
    void helpLinkOpensTheGuideInQuotes();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakePlatform> m_platform;
};

void TestInfoWindows::initTestCase()
{
    WindowTestKit::useProgramLook();
}

void TestInfoWindows::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_platform = std::make_unique<FakePlatform>();
}

void TestInfoWindows::cleanup()
{
    m_platform.reset();
    m_folder.reset();
}

void TestInfoWindows::linksOpenTheirTarget_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("info link") << QStringLiteral("info") << QStringLiteral("lnkWeb") << kContact;
    QTest::newRow("info picture") << QStringLiteral("info") << QStringLiteral("imgEmail") << kContact;
    QTest::newRow("credits link") << QStringLiteral("credits") << QStringLiteral("lnkWeb") << kSite;
    QTest::newRow("credits picture") << QStringLiteral("credits") << QStringLiteral("imgWeb") << kSite;
}

void TestInfoWindows::linksOpenTheirTarget()
{
    QFETCH(QString, window);
    QFETCH(QString, clicked);
    QFETCH(QString, expected);
    std::unique_ptr<QDialog> dialog;
    if (window == QLatin1String("info"))
        dialog = std::make_unique<TfrmInfo>();
    else
        dialog = std::make_unique<TfrmSplash>();
    dialog->show();
    WindowShot::keep(dialog.get(), window);
    auto *target = dialog->findChild<QLabel *>(clicked);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(m_platform->shell.opened, QStringList{expected});
    QVERIFY(dialog->isVisible());
}

void TestInfoWindows::linkTurnsOrangeWhilePressed_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::newRow("on the link") << QStringLiteral("lnkWeb");
    QTest::newRow("on its picture") << QStringLiteral("imgEmail");
}

void TestInfoWindows::linkTurnsOrangeWhilePressed()
{
    QFETCH(QString, pressed);
    TfrmInfo info;
    info.show();
    auto *link = info.findChild<LinkLabel *>(QStringLiteral("lnkWeb"));
    auto *target = info.findChild<QLabel *>(pressed);
    QVERIFY(link && target);
    const QColor darkBlue(0x00, 0x00, 0x8B);
    QCOMPARE(linkColor(link), darkBlue);
    QTest::mousePress(target, Qt::LeftButton);
    QCOMPARE(linkColor(link), QColor(0xFF, 0x8C, 0x00));
    QVERIFY(m_platform->shell.opened.isEmpty());
    QTest::mouseRelease(target, Qt::LeftButton);
    QCOMPARE(linkColor(link), darkBlue);
    QCOMPARE(m_platform->shell.opened.size(), 1);
}

void TestInfoWindows::helpWindowShowsThePage()
{
    TfrmGuida help;
    QCOMPARE(help.findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(),
             QStringLiteral("Argomento della guida."));
    help.setPage(Help::title(HelpPage::Magazzino), Help::text(HelpPage::Magazzino));
    help.show();
    WindowShot::keep(&help, QStringLiteral("help"));
    QCOMPARE(help.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
    QCOMPARE(help.size(), QSize(676, 598));
    QCOMPARE(help.findChild<QLabel *>(QStringLiteral("lblTitolo"))->text(),
             QStringLiteral("Applicazione Magazzino Prodotti e Servizi."));
    auto *text = help.findChild<QPlainTextEdit *>(QStringLiteral("txtGuida"));
    QVERIFY(text->isReadOnly());
    // Paragraphs show separated by one empty line, with no stray carriage returns.
    QString expected = Help::text(HelpPage::Magazzino);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(text->toPlainText(), expected);
    QVERIFY(text->toPlainText().contains(QStringLiteral(".\n\n")));
}

void TestInfoWindows::helpLinkOpensTheGuideInQuotes()
{
    TfrmGuida help;
    help.show();
    QTest::mouseClick(help.findChild<QLabel *>(QStringLiteral("imgPDF")), Qt::LeftButton);
    QTest::mouseClick(help.findChild<QLabel *>(QStringLiteral("lnkWeb")), Qt::LeftButton);
    const QString guide = u'"' + m_folder->path() + QStringLiteral("/Guida.pdf") + u'"';
    QCOMPARE(m_platform->shell.opened, QStringList({guide, guide}));
}

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
