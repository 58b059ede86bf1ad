#include "ExportFileParts.h"
#include "ExportFixtures.h"
#include "FakePlatform.h"
#include "TestFolder.h"
#include "ToolRun.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "services/ExportWindow.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace {

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti "
    "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i "
                                       "dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
                                       "aperto.");

const ExportMember &member(const QString &kind)
{
    return *ExportMembers::forKind(kind);
}

// Types into a cell through the grid's own editor, as a user does, and leaves it.
void typeIntoCell(QTableView *grid, int row, int column, const QString &ascii, const QString &more = {})
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->setCurrentIndex(index);
    grid->edit(index);
    auto *line = grid->viewport()->findChild<QLineEdit *>();
    if (!(grid->model()->flags(index) & Qt::ItemIsEditable)) {
        QVERIFY(!line || !line->isVisible()); // a read-only cell opens no editor
        return;
    }
    QVERIFY(line);
    QWidget *editor = line;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, ascii);
    line->insert(more); // what keyClicks cannot type
    QTest::keyClick(editor, Qt::Key_Return);
}

} // namespace

class TestExportWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTestKit::useProgramLook(); }
    void showsEveryRecordInTheGrid();
    void answersDecideWhatHappens_data();
    void answersDecideWhatHappens();
    void editedCellReachesTheFileNotTheArchive();
    void failedExportKeepsTheOldFile_data();
    void failedExportKeepsTheOldFile();
    void toolWritesWhatTheWindowWrites_data();
    void toolWritesWhatTheWindowWrites();
    void missingArchiveIsCreatedEmpty();
};

void TestExportWindow::showsEveryRecordInTheGrid()
{
    FakePlatform platform;
    TestFolder dir;
    dir.write(QStringLiteral("Magazzino.pro"), ExportFixtures::items() + ExportFixtures::items());
    ExportWindow window(
        member(QStringLiteral("items")),
        ExportWindow::readRows(member(QStringLiteral("items")), dir.file(QStringLiteral("Magazzino.pro"))));
    WindowTestKit::showActive(&window);
    QAbstractItemModel *model = window.grid()->model();
    QCOMPARE(window.objectName(), QStringLiteral("TfrmExpMagazzino"));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Esporta archivio prodotti e servizi in Microsoft Excel"));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->columnCount(), 24);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
    QCOMPARE(model->headerData(10, Qt::Horizontal).toString(),
             QStringLiteral("Estremi documento di acquisto"));
    QCOMPARE(model->data(model->index(1, 0)).toString(), QStringLiteral("2"));
    QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("Cavo <HDMI> & adattatore"));
    // Accessori is editable, Descrizione is not.
    QVERIFY(model->flags(model->index(0, 6)) & Qt::ItemIsEditable);
    QVERIFY(!(model->flags(model->index(0, 5)) & Qt::ItemIsEditable));
    QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
    auto *panInfo = window.findChild<QLabel *>(QStringLiteral("panInfo"));
    QCOMPARE(panInfo->text(), QStringLiteral("Esportazione archivio in Microsoft Excel."));
    QCOMPARE(WindowTestKit::hintOver(window.findChild<QWidget *>(QStringLiteral("cmdEsci")), panInfo),
             QStringLiteral("Esci da questo ambiente di lavoro."));
    QCOMPARE(WindowTestKit::hintOver(window.grid()->viewport(), panInfo), QString());
    WindowShot::keep(&window, QStringLiteral("TfrmExpMagazzino"));
}

void TestExportWindow::answersDecideWhatHappens_data()
{
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("opened");
    QTest::newRow("no: nothing written") << QList<bool>{false} << QStringList{kAskExport} << false << false;
    QTest::newRow("yes, then keep closed")
        << QList<bool>{true, false} << QStringList{kAskExport, kAskOpen} << true << false;
    QTest::newRow("yes, then open") << QList<bool>{true, true} << QStringList{kAskExport, kAskOpen} << true
                                    << true;
}

void TestExportWindow::answersDecideWhatHappens()
{
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, written);
    QFETCH(bool, opened);
    FakePlatform platform;
    TestFolder dir;
    dir.write(QStringLiteral("Clienti.pro"), ExportFixtures::customers());
    dir.write(QStringLiteral("Clienti.xls"), "old");
    ExportWindow window(
        member(QStringLiteral("customers")),
        ExportWindow::readRows(member(QStringLiteral("customers")), dir.file(QStringLiteral("Clienti.pro"))));
    window.show();
    for (bool answer : answers)
        platform.messages.answerNext(answer);
    WindowTestKit::click(&window, QStringLiteral("cmdEsporta"));
    QCOMPARE(platform.messages.questions, questions);
    QVERIFY(platform.messages.shown.isEmpty());
    const QByteArray file = dir.read(QStringLiteral("Clienti.xls"));
    QCOMPARE(file != "old", written);
    if (written)
        QCOMPARE(ExportFileParts::rows(file)[1][0].text, QStringLiteral("Rossi Mario"));
    const QString quoted = u'"' + dir.file(QStringLiteral("Clienti.xls")) + u'"';
    QCOMPARE(platform.shell.opened, opened ? QStringList{quoted} : QStringList{});
    QVERIFY(window.isVisible()); // the export can be repeated
}

void TestExportWindow::editedCellReachesTheFileNotTheArchive()
{
    FakePlatform platform;
    TestFolder dir;
    const QByteArray archive = ExportFixtures::customers();
    dir.write(QStringLiteral("Clienti.pro"), archive);
    ExportWindow window(
        member(QStringLiteral("customers")),
        ExportWindow::readRows(member(QStringLiteral("customers")), dir.file(QStringLiteral("Clienti.pro"))));
    WindowTestKit::showActive(&window);
    // Grid column 24 is "Note" (editable); column 1 "Cliente" is not.
    typeIntoCell(window.grid(), 0, 24, QStringLiteral("Richiamare <lunedi> & "), QStringLiteral("martedì Ω"));
    typeIntoCell(window.grid(), 1, 1, QStringLiteral("Altro"));
    QCOMPARE(window.grid()->model()->data(window.grid()->model()->index(1, 1)).toString(),
             QStringLiteral("Bianchi"));

    for (int run = 0; run < 2; ++run) { // the second export overwrites the first
        platform.messages.answerNext(true);
        platform.messages.answerNext(false);
        WindowTestKit::click(&window, QStringLiteral("cmdEsporta"));
    }
    const auto rows = ExportFileParts::rows(dir.read(QStringLiteral("Clienti.xls")));
    QCOMPARE(rows[1][23].text, QStringLiteral("Richiamare <lunedi> & martedì &#937;"));
    QCOMPARE(rows[2][0].text, QStringLiteral("Bianchi"));
    QCOMPARE(dir.read(QStringLiteral("Clienti.pro")), archive);
}

void TestExportWindow::failedExportKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("a folder in the file's place") << QStringLiteral("directory");
    QTest::newRow("program folder gone") << QStringLiteral("gone");
}

void TestExportWindow::failedExportKeepsTheOldFile()
{
    QFETCH(QString, obstacle);
    FakePlatform platform;
    TestFolder dir;
    dir.write(QStringLiteral("Fornitori.pro"), ExportFixtures::suppliers());
    ExportWindow window(member(QStringLiteral("suppliers")),
                        ExportWindow::readRows(member(QStringLiteral("suppliers")),
                                               dir.file(QStringLiteral("Fornitori.pro"))));
    const QString xls = dir.file(QStringLiteral("Fornitori.xls"));
    QFile::Permissions before = QFile::permissions(dir.path());
    if (obstacle == QStringLiteral("read-only")) {
        dir.write(QStringLiteral("Fornitori.xls"), "previous export");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(dir.file(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(dir.path(), before);
            QSKIP("this user writes into read-only folders (root); the other cases cover the failure");
        }
    } else if (obstacle == QStringLiteral("directory")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Fornitori.xls")));
        dir.write(QStringLiteral("Fornitori.xls/inside"), "kept");
    } else {
        Environment e = Environment::current();
        e.programFolder = dir.file(QStringLiteral("missing"));
        Environment::install(e);
    }
    window.show();
    platform.messages.answerNext(true);
    WindowTestKit::click(&window, QStringLiteral("cmdEsporta"));
    QFile::setPermissions(dir.path(), before);
    QCOMPARE(platform.messages.questions, QStringList{kAskExport});
    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(platform.messages.shown[0].text, kFailed);
    if (obstacle == QStringLiteral("read-only"))
        QCOMPARE(dir.read(QStringLiteral("Fornitori.xls")), QByteArray("previous export"));
    if (obstacle == QStringLiteral("directory"))
        QCOMPARE(dir.read(QStringLiteral("Fornitori.xls/inside")), QByteArray("kept"));
    // Nothing half-written is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
             obstacle == QStringLiteral("read-only") ? 2 : 1);
    Q_UNUSED(xls);
    QVERIFY(platform.shell.opened.isEmpty());
}

void TestExportWindow::toolWritesWhatTheWindowWrites_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<QByteArray>("archive");
    for (const auto &f : ExportFixtures::all())
        QTest::newRow(qPrintable(f.kind)) << f.kind << f.archiveName << f.bytes;
    QTest::newRow("empty customers") << QStringLiteral("customers") << QStringLiteral("Clienti.pro")
                                     << QByteArray();
}

void TestExportWindow::toolWritesWhatTheWindowWrites()
{
    QFETCH(QString, kind);
    QFETCH(QString, archiveName);
    QFETCH(QByteArray, archive);
    FakePlatform platform;
    TestFolder dir;
    dir.write(archiveName, archive);
    ExportWindow window(member(kind), ExportWindow::readRows(member(kind), dir.file(archiveName)));
    window.show();
    platform.messages.answerNext(true);
    platform.messages.answerNext(false);
    WindowTestKit::click(&window, QStringLiteral("cmdEsporta"));
    const QByteArray fromWindow = dir.read(member(kind).fileName);
    QVERIFY(!fromWindow.isEmpty());

    const ToolRun run = runTool(
        {QStringLiteral("export"), kind, dir.file(archiveName), dir.file(QStringLiteral("tool.xls"))});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(dir.read(QStringLiteral("tool.xls")), fromWindow);
}

void TestExportWindow::missingArchiveIsCreatedEmpty()
{
    FakePlatform platform;
    TestFolder dir;
    // The window creates the missing archive, as every archive operation does; the tool does not.
    const ToolRun run =
        runTool({QStringLiteral("export"), QStringLiteral("customers"),
                 dir.file(QStringLiteral("Clienti.pro")), dir.file(QStringLiteral("out.xls"))});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.lines.size(), 0);
    QVERIFY(run.err.contains("no such file"));
    QVERIFY(!dir.exists(QStringLiteral("Clienti.pro")));
    QVERIFY(!dir.exists(QStringLiteral("out.xls")));

    const ExportTable rows =
        ExportWindow::readRows(member(QStringLiteral("customers")), dir.file(QStringLiteral("Clienti.pro")));
    QCOMPARE(rows.rowCount(), 0);
    QVERIFY(dir.exists(QStringLiteral("Clienti.pro")));
    QCOMPARE(dir.read(QStringLiteral("Clienti.pro")).size(), 0);
}

QTEST_MAIN(TestExportWindow)
#include "tst_exportwindow.moc"
