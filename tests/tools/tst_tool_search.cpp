// quadrivo-tool search as a shell runs it: the lines of each kind in list order with their record
// positions, criteria used exactly as given, JSON escaping, and the errors.
#include "TestFolder.h"
#include "ToolRun.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "quotes/PreventiviRecord.h"

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

Record customer(const QString &surname, const QString &note = {})
{
    Record r(Clienti::layout());
    r.setText(Clienti::Cognome, surname);
    r.setText(Clienti::Note, note);
    return r;
}

struct Hit
{
    int pos;
    QString line;
};

QList<Hit> hits(const QList<QByteArray> &lines)
{
    QList<Hit> out;
    for (const QByteArray &line : lines) {
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
        if (error.error != QJsonParseError::NoError)
            qFatal("not JSON: %s", line.constData());
        out.append({o.value(QStringLiteral("pos")).toInt(), o.value(QStringLiteral("line")).toString()});
    }
    return out;
}

QList<int> positions(const QList<Hit> &list)
{
    QList<int> out;
    for (const Hit &h : list)
        out << h.pos;
    return out;
}

} // namespace

class TestToolSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void customersInListOrder_data();
    void customersInListOrder();
    void quotesByTheirControlNames();
    void escapedLinesAndMissingArchive();
    void errors_data();
    void errors();
};

void TestToolSearch::customersInListOrder_data()
{
    QTest::addColumn<QStringList>("criteria");
    QTest::addColumn<QList<int>>("expected");
    // 1 Rossi, 2 bianchi, 3 Grossi, 4 Rosi, 5 ROSSI, 6 _Rossi: A-Z folded (Rosi before Rossi), "_" after the
    // letters, Rossi and ROSSI folded equal, in file order.
    QTest::newRow("all") << QStringList{} << QList<int>{2, 3, 4, 1, 5, 6};
    QTest::newRow("ross") << QStringList{"Cognome=ross"} << QList<int>{3, 1, 5, 6};
    QTest::newRow("a trailing blank is kept") << QStringList{"Cognome=rossi "} << QList<int>{};
    QTest::newRow("blanks are no criterion") << QStringList{"Cognome=   "} << QList<int>{2, 3, 4, 1, 5, 6};
    QTest::newRow("both must match") << QStringList{"Cognome=ross", "Note=vip"} << QList<int>{3};
}

void TestToolSearch::customersInListOrder()
{
    QFETCH(QStringList, criteria);
    QFETCH(QList<int>, expected);
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    writeRecords(path, {customer("Rossi"), customer("bianchi"), customer("Grossi", "cliente vip"),
                        customer("Rosi"), customer("ROSSI"), customer("_Rossi")});
    const ToolRun run =
        runTool(QStringList{QStringLiteral("search"), QStringLiteral("customers"), path} + criteria);
    QCOMPARE(run.status, 0);
    const QList<Hit> list = hits(run.lines);
    QCOMPARE(positions(list), expected);
    // The name is padded to its 30 characters before the telephone.
    for (const Hit &h : list)
        QCOMPARE(h.line.indexOf(QStringLiteral("  Tel. ")), 30);
}

void TestToolSearch::quotesByTheirControlNames()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("2024.pre"));
    Record q(Preventivi::layout());
    q.setText(Preventivi::txtNumFatt, QStringLiteral("12"));
    q.setText(Preventivi::txtData, QStringLiteral("05/03/2024"));
    q.setText(Preventivi::txtCliente, QStringLiteral("Rossi Mario"));
    q.setText(Preventivi::txtTotFattura, QStringLiteral("52,09"));
    writeRecords(path, {q, q});
    const ToolRun run = runTool(
        {QStringLiteral("search"), QStringLiteral("quotes"), path, QStringLiteral("txtCliente=mario")});
    QCOMPARE(run.status, 0);
    const QList<Hit> list = hits(run.lines);
    QCOMPARE(positions(list), (QList<int>{1, 2}));
    QVERIFY2(list[0].line.startsWith(QStringLiteral("Prev. n. 12 del 05/03/2024") + QString(8 + 2, u' ') +
                                     QStringLiteral("Rossi Mario")),
             qPrintable(list[0].line));
    QVERIFY2(list[0].line.contains(QStringLiteral("\u20AC")), qPrintable(list[0].line));
}

void TestToolSearch::escapedLinesAndMissingArchive()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Clienti.pro"));
    writeRecords(path,
                 {customer(QStringLiteral("D\"Amico\\"), QStringLiteral("citt\u00E0\t\u0001! \u20AC"))});
    const ToolRun run = runTool({QStringLiteral("search"), QStringLiteral("customers"), path});
    QCOMPARE(run.status, 0);
    const QList<Hit> list = hits(run.lines);
    QCOMPARE(list.size(), 1);
    QVERIFY(list[0].line.startsWith(QStringLiteral("D\"Amico\\")));
    QVERIFY(list[0].line.endsWith(QStringLiteral("citt\u00E0\t\u0001! \u20AC")));

    const QString missing = folder.file(QStringLiteral("Fornitori.pro"));
    const ToolRun none = runTool({QStringLiteral("search"), QStringLiteral("suppliers"), missing});
    QCOMPARE(none.status, 0);
    QVERIFY(none.out.isEmpty());
    QVERIFY(!QFile::exists(missing));
}

void TestToolSearch::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown kind") << QStringList{"search", "invoices", "Clienti.pro"};
    QTest::newRow("no file") << QStringList{"search", "customers"};
    QTest::newRow("unknown field") << QStringList{"search", "customers", "Clienti.pro", "Colore=rosso"};
    QTest::newRow("a field that is no criterion")
        << QStringList{"search", "customers", "Clienti.pro", "Sesso=M"};
    QTest::newRow("no equals sign") << QStringList{"search", "customers", "Clienti.pro", "Cognome"};
    QTest::newRow("a folder") << QStringList{"search", "customers", "."};
}

void TestToolSearch::errors()
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

QTEST_GUILESS_MAIN(TestToolSearch)
#include "tst_tool_search.moc"
