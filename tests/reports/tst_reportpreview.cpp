#include "PdfText.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "reports/CardReport.h"
#include "reports/ListReport.h"
#include "reports/QtReportOutput.h"
#include "reports/ReportPreview.h"
#include "shell/ShellLook.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QtTest>

namespace {

PreparedReport listOf(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral(
                     "%1  Rossi Mario                     Tel. 0811234567        C.F. RSSMRA70E12B963X")
                     .arg(i, 3, 10, QLatin1Char('0'));
    return ListReport::prepare(QStringLiteral("Riepilogo clienti"), lines, {}, QDate(2024, 3, 5));
}

void trigger(QWidget *window, const char *action)
{
    auto *a = window->findChild<QAction *>(QLatin1StringView(action));
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { ShellLook::applyProgramLook(); }
    void showsEveryPageWithThumbnails();
    void cardShowsWholeAtFullSize();
    void printerGetsThePagesOfItsRange_data();
    void printerGetsThePagesOfItsRange();
};

void TestReportPreview::showsEveryPageWithThumbnails()
{
    const PreparedReport report = listOf(200);
    ReportPreview preview(report);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.pageCount(), int(report.pages.size()));
    QCOMPARE(preview.findChild<QListWidget *>(QStringLiteral("lstMiniature"))->count(), preview.pageCount());
    auto *label = preview.findChild<QLabel *>(QStringLiteral("lblPagina"));
    QCOMPARE(label->text(), QStringLiteral("Pagina 1 di 4"));
    trigger(&preview, "actSuccessiva");
    QCOMPARE(preview.currentPage(), 2);
    trigger(&preview, "actUltima");
    QCOMPARE(label->text(), QStringLiteral("Pagina 4 di 4"));
    trigger(&preview, "actSuccessiva"); // stays on the last
    QCOMPARE(preview.currentPage(), 4);
    preview.findChild<QListWidget *>(QStringLiteral("lstMiniature"))->setCurrentRow(2);
    QCOMPARE(preview.currentPage(), 3);
    trigger(&preview, "actPrima");
    QCOMPARE(preview.currentPage(), 1);
    trigger(&preview, "actZoom100");
    QCOMPARE(preview.previewWidget()->zoomFactor(), 1.0);
    WindowShot::keep(&preview, QStringLiteral("report-preview-100"), QSize(1366, 768));
    trigger(&preview, "actPaginaIntera");
    WindowShot::keep(&preview, QStringLiteral("report-preview-fit"), QSize(1366, 768));
    trigger(&preview, "actChiudi");
    QVERIFY(!preview.isVisible());
}

void TestReportPreview::cardShowsWholeAtFullSize()
{
    ReportDesign design = CardReport::design();
    CardReport::fill(design, QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"),
                     {{QStringLiteral("Cognome e nome:"), QStringLiteral("Rossi Mario")},
                      {QStringLiteral("Data di nascita:"), QStringLiteral("12/05/1970")}},
                     QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    ReportPreview preview(design.prepare(QDate(2024, 3, 5)));
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    QCOMPARE(preview.pageCount(), 1);
    trigger(&preview, "actSuccessiva");
    QCOMPARE(preview.currentPage(), 1);
    trigger(&preview, "actZoom100");
    WindowShot::keep(&preview, QStringLiteral("card-preview-100"), QSize(1366, 768));
    trigger(&preview, "actPaginaIntera");
    WindowShot::keep(&preview, QStringLiteral("card-preview-fit"), QSize(1366, 768));
}

void TestReportPreview::printerGetsThePagesOfItsRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("all pages") << 0 << 0 << 4 << QStringLiteral("Riepilogo clienti");
    QTest::newRow("pages 2 to 3") << 2 << 3 << 2 << QStringLiteral("054 Rossi Mario");
}

// The printer is a PDF printer here: what it receives is read back.
void TestReportPreview::printerGetsThePagesOfItsRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, pages);
    QFETCH(QString, firstLine);
    TestFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.file(QStringLiteral("stampa.pdf")));
    const PreparedReport report = listOf(200);
    ReportPrinting::setUp(printer, report);
    if (from) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(from, to);
    }
    ReportPrinting::printPages(printer, report);
    const QString info = PdfText::info(folder.file(QStringLiteral("stampa.pdf")));
    QVERIFY2(info.contains(QStringLiteral("Pages:           %1\n").arg(pages)), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("842 x 595 pts (A4)")));
    const QStringList lines = PdfText::lines(folder.file(QStringLiteral("stampa.pdf")));
    QVERIFY2(lines.value(0).startsWith(firstLine), qPrintable(lines.value(0)));
}

QTEST_MAIN(TestReportPreview)
#include "tst_reportpreview.moc"
