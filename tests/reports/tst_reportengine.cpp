#include "PdfText.h"
#include "TestFolder.h"
#include "reports/CardReport.h"
#include "reports/ListReport.h"
#include "reports/PdfFile.h"
#include "reports/ReportDesign.h"

#include <QFile>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

constexpr double kEpsilon = 1e-6;
const QDate kToday(2024, 3, 5);

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Riga %1 dell'elenco").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

QList<const ReportItem *> itemsNamed(const ReportPage &page, const QString &name)
{
    QList<const ReportItem *> found;
    for (const ReportItem &item : page.items) {
        if (item.name == name)
            found << &item;
    }
    return found;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unknownObjectsAreProgrammingErrors_data();
    void unknownObjectsAreProgrammingErrors();
    void textsAreCutAtTheirBox_data();
    void textsAreCutAtTheirBox();
    void cardDesignPlacesEveryObject();
    void listSpillsOverPages_data();
    void listSpillsOverPages();
    void pdfHoldsTheTextsAndTheDocumentInfo();
    void failedPdfKeepsTheEarlierFile_data();
    void failedPdfKeepsTheEarlierFile();
};

void TestReportEngine::unknownObjectsAreProgrammingErrors_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("text of a name not in the design") << 0;
    QTest::newRow("text of a line") << 1;
    QTest::newRow("picture of a text") << 2;
    QTest::newRow("lines of a one-page design") << 3;
    QTest::newRow("name one digit off (titCampo25)") << 4;
}

void TestReportEngine::unknownObjectsAreProgrammingErrors()
{
    QFETCH(int, operation);
    ReportDesign d = CardReport::design();
    const auto attempt = [&] {
        switch (operation) {
        case 0:
            d.setText(QStringLiteral("txtTitle"), QStringLiteral("x"));
            break;
        case 1:
            d.setText(QStringLiteral("linSepara01"), QStringLiteral("x"));
            break;
        case 2:
            d.setPicture(QStringLiteral("txtTitolo"), QImage(2, 2, QImage::Format_RGB32));
            break;
        case 3:
            d.setLines(QStringLiteral("txtRiepilogo"), {QStringLiteral("x")});
            break;
        case 4:
            d.setText(CardReport::labelName(25), QStringLiteral("x"));
            break;
        }
    };
    QVERIFY_THROWS_EXCEPTION(UnknownReportObject, attempt());
}

void TestReportEngine::textsAreCutAtTheirBox_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("cut");
    QTest::newRow("short value whole") << QStringLiteral("Rossi Mario") << false;
    QTest::newRow("250 wide letters") << QString(250, u'W') << true;
    QTest::newRow("250 narrow letters") << QString(250, u'i') << true;
    QTest::newRow("250 accented letters") << QString(250, u'\u00E8') << true;
    QTest::newRow("blanks kept inside") << QStringLiteral("N.   -  Scadenza: ") << false;
}

// The part that shows is decided when the page is prepared, in the embedded font: the PDF, the
// printer and the preview all show the same characters, and nothing crosses the box.
void TestReportEngine::textsAreCutAtTheirBox()
{
    QFETCH(QString, value);
    QFETCH(bool, cut);
    ReportDesign d = CardReport::design();
    d.setText(CardReport::valueName(24), value);
    const PreparedReport r = d.prepare(kToday);
    const ReportItem *item = r.pages.at(0).find(CardReport::valueName(24));
    QVERIFY(item);
    QVERIFY(value.startsWith(item->text));
    QCOMPARE(item->text.size() < value.size(), cut);
    QVERIFY(ReportFonts::widthMm(item->style, item->text) <= item->mm.width() + kEpsilon);
    if (cut) // nothing more would fit
        QVERIFY(ReportFonts::widthMm(item->style, value.left(item->text.size() + 1)) > item->mm.width());
}

void TestReportEngine::cardDesignPlacesEveryObject()
{
    ReportDesign d = CardReport::design();
    const PreparedReport r = d.prepare(kToday);
    QCOMPARE(r.pages.size(), 1);
    QCOMPARE(r.orientation, QPageLayout::Portrait);
    const ReportPage &page = r.pages.first();
    // Measured from the paper's corner: the printable area starts 10 mm in.
    QCOMPARE(page.find(QStringLiteral("txtTitolo"))->mm, QRectF(33, 13, 165, 9));
    QCOMPARE(page.find(QStringLiteral("imgLogo"))->mm, QRectF(13, 13, 17, 13));
    QCOMPARE(page.find(CardReport::labelName(1))->mm, QRectF(13, 34, 52, 6));
    QCOMPARE(page.find(CardReport::valueName(24))->mm, QRectF(70, 34 + 230, 128, 6));
    QCOMPARE(page.find(QStringLiteral("txtCalce"))->mm, QRectF(13, 279, 185, 6));
    for (const ReportItem &item : page.items) {
        QVERIFY2(item.mm.left() >= 10 && item.mm.top() >= 10, qPrintable(item.name));
        QVERIFY2(item.mm.right() <= 200 && item.mm.bottom() <= 287, qPrintable(item.name));
    }
    QCOMPARE(page.find(CardReport::labelName(7))->text, QStringLiteral("Campo 7"));
}

void TestReportEngine::listSpillsOverPages_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("closingLines");
    QTest::addColumn<int>("pages");
    QTest::newRow("empty list") << 0 << 0 << 1;
    QTest::newRow("one line") << 1 << 0 << 1;
    QTest::newRow("100 lines") << 100 << 0 << 2;
    QTest::newRow("200 lines") << 200 << 0 << 4;
    QTest::newRow("200 lines and a total") << 200 << 2 << 4;
    // 53 lines fill the first page under the title; the closing strip needs a page of its own.
    QTest::newRow("first page exactly full") << 53 << 0 << 2;
}

void TestReportEngine::listSpillsOverPages()
{
    QFETCH(int, lines);
    QFETCH(int, closingLines);
    QFETCH(int, pages);
    const QStringList data = numberedLines(lines);
    QStringList closing;
    if (closingLines)
        closing << QString(26, u'-') << QStringLiteral("VALORE TOTALE: \u20AC 1.234,50");
    const PreparedReport r = ListReport::prepare(QStringLiteral("Riepilogo clienti"), data, closing, kToday);
    QCOMPARE(r.orientation, QPageLayout::Landscape);
    QCOMPARE(r.pages.size(), pages);

    const double lineMm = 12.822 * 25.4 / 96;
    QStringList printed;
    double lastBottom = 0;
    for (int p = 0; p < r.pages.size(); ++p) {
        const ReportPage &page = r.pages.at(p);
        QCOMPARE(itemsNamed(page, QStringLiteral("txtTitolo")).size(), p == 0 ? 1 : 0);
        double previousBottom = p == 0 ? page.find(QStringLiteral("txtTitolo"))->mm.bottom() : 10;
        for (const ReportItem *line : itemsNamed(page, QStringLiteral("txtRiepilogo"))) {
            QVERIFY(line->mm.top() >= previousBottom - kEpsilon); // nothing overlaps
            QVERIFY(line->mm.bottom() <= 200 + kEpsilon);         // nothing crosses the margin
            QVERIFY(qAbs(line->mm.height() - lineMm) < kEpsilon);
            previousBottom = line->mm.bottom();
            printed << line->text;
            lastBottom = line->mm.bottom();
        }
    }
    QCOMPARE(printed, data + closing);

    const ReportPage &last = r.pages.last();
    const QList<const ReportItem *> footer = itemsNamed(last, QStringLiteral("txtPagina"));
    QCOMPARE(footer.size(), 1);
    QCOMPARE(footer.first()->text, QStringLiteral("Stampa eseguita in data 05/03/2024"));
    QVERIFY(footer.first()->mm.bottom() <= 200 + kEpsilon);
    if (!itemsNamed(last, QStringLiteral("txtRiepilogo")).isEmpty())
        QVERIFY(footer.first()->mm.top() >= lastBottom);
    for (int p = 0; p + 1 < r.pages.size(); ++p)
        QVERIFY(itemsNamed(r.pages.at(p), QStringLiteral("txtPagina")).isEmpty());
}

void TestReportEngine::pdfHoldsTheTextsAndTheDocumentInfo()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Elenco.pdf"));
    ReportDesign d = CardReport::design();
    CardReport::fill(d, QStringLiteral("SCHEDA ARTICOLO"),
                     {{QStringLiteral("Codice articolo:"), QStringLiteral("ABC-123")},
                      {QStringLiteral("Tipologia:"), QStringLiteral("Pneumatico \u20AC")}},
                     QDateTime(kToday, QTime(9, 5, 7)));
    QVERIFY(PdfFile::write(d.prepare(kToday), path));

    const QStringList lines = PdfText::lines(path);
    QCOMPARE(lines.value(0), QStringLiteral("SCHEDA ARTICOLO"));
    QCOMPARE(lines.value(1), QStringLiteral("Codice articolo: ABC-123"));
    QCOMPARE(lines.value(2), QStringLiteral("Tipologia: Pneumatico \u20AC"));
    QCOMPARE(lines.last(), QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:05:07"));
    const QString info = PdfText::info(path);
    QVERIFY2(info.contains(QStringLiteral("Title:           Scheda informativa")), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Pages:           1")));
    QVERIFY(info.contains(QStringLiteral("595 x 842 pts (A4)")));
    const QString fonts = PdfText::run(QStringLiteral("pdffonts"), {path})
                              .split(u'\n')
                              .filter(QStringLiteral("Liberation"))
                              .join(u'\n');
    QVERIFY2(fonts.contains(QStringLiteral(" yes ")), qPrintable(fonts)); // embedded
    QVERIFY(readAll(path).contains("<pdf:Subject>Scheda informativa</pdf:Subject>"));
}

void TestReportEngine::failedPdfKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("a folder in its place") << QStringLiteral("folder");
    QTest::newRow("past the file size limit (a full disk)") << QStringLiteral("limit");
    QTest::newRow("missing folder") << QStringLiteral("missing");
}

void TestReportEngine::failedPdfKeepsTheEarlierFile()
{
    QFETCH(QString, failure);
    TestFolder folder;
    QString path = folder.file(QStringLiteral("Cliente.pdf"));
    const PreparedReport first = ListReport::prepare(QStringLiteral("Prima"), numberedLines(3), {}, kToday);
    const PreparedReport second =
        ListReport::prepare(QStringLiteral("Seconda"), numberedLines(300), {}, kToday);
    QByteArray before;
    if (failure == QStringLiteral("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Cliente.pdf")));
    } else if (failure == QStringLiteral("missing")) {
        path = folder.file(QStringLiteral("nessuna/Cliente.pdf"));
    } else {
        QVERIFY(PdfFile::write(first, path));
        before = readAll(path);
        QVERIFY(!before.isEmpty());
    }

    bool written = true;
    if (failure == QStringLiteral("limit")) {
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        written = PdfFile::write(second, path);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    } else {
        written = PdfFile::write(second, path);
    }
    QVERIFY(!written);
    QCOMPARE(readAll(path), before);
    // No temporary file left behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             before.isEmpty() ? QStringList() : QStringList{QStringLiteral("Cliente.pdf")});
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
