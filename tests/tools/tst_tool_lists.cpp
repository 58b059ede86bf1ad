// quadrivo-tool list and inventory as a shell runs them: JSON lines in list order, the closing
// summary of the inventory, and the errors.
#include "TestFolder.h"
#include "ToolRun.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

void writeRecords(const QString &path, const QList<Record> &records)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (const Record &r : records)
        f.write(r.encode());
}

Record customer(const QString &surname, const QString &flag)
{
    Record r(Clienti::layout());
    r.setText(Clienti::Cognome, surname);
    r.setText(Clienti::Ricontatta, flag);
    return r;
}

Record item(const QString &code, const QString &type, const QString &value)
{
    Record r(Magazzino::layout());
    r.setText(Magazzino::Codice, code);
    r.setText(Magazzino::Tipologia, type);
    r.setText(Magazzino::Valore, value);
    return r;
}

QJsonObject json(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("not JSON: %s", line.constData());
    return doc.object();
}

} // namespace

class TestToolLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listInOrder();
    void inventoryWithSummary();
    void errors_data();
    void errors();
};

void TestToolLists::listInOrder()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    writeRecords(path,
                 {customer("Verdi", "S\u00EC"), customer("Neri", "No"), customer("Bianchi", "S\u00EC")});
    const ToolRun run = runTool({QStringLiteral("list"), QStringLiteral("recall-customers"), path});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines.size(), 2);
    QCOMPARE(json(run.lines[0]).value(QStringLiteral("pos")).toInt(), 3);
    QVERIFY(
        json(run.lines[0]).value(QStringLiteral("line")).toString().startsWith(QStringLiteral("Bianchi ")));
    QCOMPARE(json(run.lines[1]).value(QStringLiteral("pos")).toInt(), 1);

    // A missing archive is an empty list, and stays missing.
    const QString missing = folder.file(QStringLiteral("2024.sca"));
    const ToolRun none = runTool({QStringLiteral("list"), QStringLiteral("to-pay"), missing});
    QCOMPARE(none.status, 0);
    QVERIFY(none.out.isEmpty());
    QVERIFY(!QFile::exists(missing));
}

void TestToolLists::inventoryWithSummary()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Magazzino.pro"));
    writeRecords(path, {item("B", "Ricambi", "10,50"), item("E", "Elettrico", "7"),
                        item("A", "ricambi auto", "x"), item("C", "Ricambi", "2,25")});
    const ToolRun run = runTool({QStringLiteral("inventory"), path, QStringLiteral("ric")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines.size(), 4);
    QCOMPARE(json(run.lines[0]).value(QStringLiteral("pos")).toInt(), 3);
    QCOMPARE(json(run.lines[1]).value(QStringLiteral("pos")).toInt(), 1);
    QCOMPARE(json(run.lines[2]).value(QStringLiteral("pos")).toInt(), 4);
    const QJsonObject summary = json(run.lines[3]);
    QCOMPARE(summary.value(QStringLiteral("type")).toString(), QStringLiteral("ric"));
    QCOMPARE(summary.value(QStringLiteral("total")).toString(), QStringLiteral("\u20AC 12,75"));
    QCOMPARE(summary.value(QStringLiteral("count")).toInt(), 3);
    QCOMPARE(
        QJsonDocument(summary.value(QStringLiteral("unreadable")).toArray()).toJson(QJsonDocument::Compact),
        QByteArray("[3]"));
}

void TestToolLists::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown list") << QStringList{"list", "overdue", "Clienti.pro"};
    QTest::newRow("list without a file") << QStringList{"list", "paid"};
    QTest::newRow("a folder") << QStringList{"list", "paid", "."};
    QTest::newRow("inventory without a file") << QStringList{"inventory"};
    QTest::newRow("inventory of a folder") << QStringList{"inventory", "."};
}

void TestToolLists::errors()
{
    QFETCH(QStringList, args);
    TestFolder folder;
    for (QString &arg : args) {
        if (arg == QStringLiteral("."))
            arg = folder.file(QString());
    }
    const ToolRun run = runTool(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
}

QTEST_GUILESS_MAIN(TestToolLists)
#include "tst_tool_lists.moc"
