#include "ExportFixtures.h"
#include "TestFolder.h"
#include "core/Archive.h"
#include "services/ExportMembers.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

// The cells of a CSV file written by LibreOffice (comma, double quotes, UTF-8).
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n') {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
        } else if (c != u'\r') {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

} // namespace

class TestExportLibreOffice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spreadsheetReadsTheGridCells();
};

// Every member's file, read by LibreOffice, gives back exactly the grid's cells: codes keep
// their leading zeros, markup characters and accented letters stay as they are.
void TestExportLibreOffice::spreadsheetReadsTheGridCells()
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (office.isEmpty())
        QSKIP("libreoffice is not installed (Debian package libreoffice-calc-nogui): spreadsheet check "
              "skipped");

    TestFolder dir;
    QList<std::pair<QString, ExportTable>> exported;
    QStringList files;
    for (const auto &fixture : ExportFixtures::all()) {
        const ExportMember &member = *ExportMembers::forKind(fixture.kind);
        dir.write(fixture.archiveName, fixture.bytes);
        ExportTable table = ExportMembers::readArchive(
            member, Archive(dir.file(fixture.archiveName), member.layout->recordSize()));
        // An edit with a character the code page lacks travels as a reference.
        table.setEdit(0, table.columnCount() - 1, QStringLiteral("Ω ok"));
        const QString file = dir.file(fixture.kind + QStringLiteral(".xls"));
        QVERIFY(ExportMembers::saveFile(table, member.sheetName, file));
        files << file;
        exported.append({fixture.kind, std::move(table)});
    }

    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(office, QStringList{QStringLiteral("-env:UserInstallation=file://") +
                                          dir.file(QStringLiteral("profile")),
                                      QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                      QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                                      QStringLiteral("--outdir"), dir.file(QStringLiteral("csv"))} +
                              files);
    QVERIFY(process.waitForFinished(180000));
    QCOMPARE(process.exitCode(), 0);

    for (const auto &[kind, table] : exported) {
        QFile csv(dir.file(QStringLiteral("csv/") + kind + QStringLiteral(".csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(kind));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.readAll()));
        QCOMPARE(rows.size(), 1 + table.rowCount());
        QStringList header;
        for (const auto &column : table.columns())
            header << column.header;
        QCOMPARE(rows[0], header);
        for (qint64 r = 0; r < table.rowCount(); ++r) {
            QStringList grid;
            for (int c = 0; c < table.columnCount(); ++c)
                grid << table.text(r, c);
            QCOMPARE(rows[r + 1], grid);
        }
    }
}

QTEST_GUILESS_MAIN(TestExportLibreOffice)
#include "tst_exportlibreoffice.moc"
