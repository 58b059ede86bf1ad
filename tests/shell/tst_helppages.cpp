#include "shell/Help.h"

#include <QSet>
#include <QtTest>

// The help pages feed both the help window and Guida.pdf; a broken page shows up in both.
class TestHelpPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPageHasTitleAndText_data();
    void everyPageHasTitleAndText();
    void titlesAreDistinct();
};

namespace {

const QList<QPair<const char *, HelpPage>> kPages = {
    {"Generale", HelpPage::Generale},
    {"Clienti", HelpPage::Clienti},
    {"Fornitori", HelpPage::Fornitori},
    {"Magazzino", HelpPage::Magazzino},
    {"Inventario", HelpPage::Inventario},
    {"Preventivi", HelpPage::Preventivi},
    {"Scadenzario", HelpPage::Scadenzario},
    {"EsportaClienti", HelpPage::EsportaClienti},
    {"EsportaFornitori", HelpPage::EsportaFornitori},
    {"EsportaMagazzino", HelpPage::EsportaMagazzino},
    {"EsportaPreventivi", HelpPage::EsportaPreventivi},
    {"EsportaScadenzario", HelpPage::EsportaScadenzario},
    {"ScadenzeImminenti", HelpPage::ScadenzeImminenti},
    {"ScadenzeGiorniMesi", HelpPage::ScadenzeGiorniMesi},
};

} // namespace

void TestHelpPages::everyPageHasTitleAndText_data()
{
    QTest::addColumn<HelpPage>("page");
    for (const auto &[name, page] : kPages)
        QTest::newRow(name) << page;
}

void TestHelpPages::everyPageHasTitleAndText()
{
    QFETCH(HelpPage, page);
    QVERIFY(Help::title(page).endsWith(u'.'));
    const QString text = Help::text(page);
    const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
    QVERIFY2(paragraphs.size() >= 4, qPrintable(Help::title(page)));
    for (const QString &p : paragraphs) {
        QVERIFY2(p.trimmed().size() > 20, qPrintable(Help::title(page)));
        QCOMPARE(p, p.trimmed());
    }
    // Line ends are CR LF pairs only: a bare LF or CR would show as a stray break in the window.
    QString withoutPairs = text;
    withoutPairs.remove(QStringLiteral("\r\n"));
    QVERIFY(!withoutPairs.contains(u'\n'));
    QVERIFY(!withoutPairs.contains(u'\r'));
}

void TestHelpPages::titlesAreDistinct()
{
    QSet<QString> titles;
    for (const auto &entry : kPages)
        titles.insert(Help::title(entry.second));
    QCOMPARE(titles.size(), kPages.size());
}

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"
