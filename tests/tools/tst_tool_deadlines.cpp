// quadrivo-tool deadlines: the imminent, day and month lists of a year file as JSON rows, their
// spreadsheet file, and the refusals.
#include "../deadlines/DeadlineFixtures.h"
#include "../export/ExportFileParts.h"
#include "TestFolder.h"
#include "ToolRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace DeadlineFixtures;

class TestToolDeadlines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lists_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("rows"); // "n key year who"
        QTest::newRow("imminent, next year's file included")
            << "--imminent"
            << "28/12/2024"
            << QStringList{"2 12281000 2024 Oggi", "1 12300815 2024 Dopodomani", "3 01030900 2025 Gennaio"};
        QTest::newRow("day") << "--day"
                             << "30/12/2024" << QStringList{"1 12300815 2024 Dopodomani"};
        QTest::newRow("month") << "--month"
                               << "01/12/2024"
                               << QStringList{"1 12011000 2024 Primo", "3 12281000 2024 Oggi",
                                              "2 12300815 2024 Dopodomani", "4 12311000 2024 Poi"};
        QTest::newRow("a year without file") << "--day"
                                             << "01/01/2031" << QStringList{};
    }
    void lists()
    {
        QFETCH(QString, option);
        QFETCH(QString, date);
        QFETCH(QStringList, rows);
        TestFolder folder;
        writeYear(folder.file(QStringLiteral("2024.sca")),
                  {deadline("01/12/2024", "10:00", "0", "Primo"),
                   deadline("30/12/2024", "08:15", "2", "Dopodomani"),
                   deadline("28/12/2024", "10:00", "0", "Oggi"),
                   deadline("31/12/2024", "10:00", "0", "Poi")});
        writeYear(folder.file(QStringLiteral("2025.sca")), {deadline("03/01/2025", "09:00", "7", "Gennaio")});
        const QString file =
            folder.file(rows.isEmpty() ? QStringLiteral("2031.sca") : QStringLiteral("2024.sca"));
        const ToolRun run = runTool({QStringLiteral("deadlines"), file, option, date});
        QCOMPARE(run.status, 0);
        QStringList shown;
        for (const QByteArray &line : run.lines) {
            const QJsonObject row = QJsonDocument::fromJson(line).object();
            const QJsonArray cells = row.value(QStringLiteral("cells")).toArray();
            QCOMPARE(cells.size(), 19);
            shown << QStringLiteral("%1 %2 %3 %4")
                         .arg(row.value(QStringLiteral("n")).toInt())
                         .arg(row.value(QStringLiteral("key")).toString())
                         .arg(row.value(QStringLiteral("year")).toInt())
                         .arg(cells.at(2).toString());
        }
        QCOMPARE(shown, rows);
        QVERIFY(!folder.exists(QStringLiteral("2031.sca")));
    }

    void exportFile()
    {
        TestFolder folder;
        writeYear(folder.file(QStringLiteral("2024.sca")), {deadline("05/03/2024", "09:30", "0", "Rossi")});
        const QString out = folder.file(QStringLiteral("mese.xls"));
        const ToolRun run = runTool({QStringLiteral("deadlines"), folder.file(QStringLiteral("2024.sca")),
                                     QStringLiteral("--month"), QStringLiteral("10/03/2024"),
                                     QStringLiteral("--export"), out});
        QCOMPARE(run.status, 0);
        const QByteArray bytes = folder.read(QStringLiteral("mese.xls"));
        QVERIFY(bytes.contains("Scadenze del mese"));
        const QList<ExportFileParts::Row> rows = ExportFileParts::rows(bytes);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(ExportFileParts::texts(rows[1]).first(), QStringLiteral("05/03/2024"));
        QCOMPARE(ExportFileParts::texts(rows[1]).last(), QStringLiteral("03050930"));
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no date") << QStringList{"--day"};
        QTest::newRow("unknown list") << QStringList{"--week", "10/03/2024"};
        QTest::newRow("not a date") << QStringList{"--day", "31/02/2024"};
        QTest::newRow("export without file") << QStringList{"--day", "10/03/2024", "--export"};
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        TestFolder folder;
        const ToolRun run =
            runTool(QStringList{QStringLiteral("deadlines"), folder.file(QStringLiteral("2024.sca"))} + args);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!folder.exists(QStringLiteral("2024.sca")));
    }
};

QTEST_GUILESS_MAIN(TestToolDeadlines)
#include "tst_tool_deadlines.moc"
