#include "TestFolder.h"
#include "ToolRun.h"
#include "core/Record.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/QuoteTotals.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using Preventivi::Column;

namespace {

void setLine(Record &r, int line, const QString &quant, const QString &prezzo, const QString &sconto,
             const QString &importo, bool esente = false)
{
    r.setText(Preventivi::lineField(Column::Quant, line), quant);
    r.setText(Preventivi::lineField(Column::Prezzo, line), prezzo);
    r.setText(Preventivi::lineField(Column::PercSconto, line), sconto);
    r.setText(Preventivi::lineField(Column::Importo, line), importo);
    r.setText(Preventivi::lineField(Column::Es, line), Record::flagText(esente));
}

void setTotals(Record &r, const QString &rate, const QStringList &totals)
{
    r.setText(Preventivi::txtPercIva, rate);
    r.setText(Preventivi::txtTotImponibile, totals[0]);
    r.setText(Preventivi::txtTotImposta, totals[1]);
    r.setText(Preventivi::txtTotIva, totals[2]);
    r.setText(Preventivi::txtTotEsente, totals[3]);
    r.setText(Preventivi::txtTotFattura, totals[4]);
}

// Quote 1 as "Calcola" left it; quote 2 with totals that predate a change of its price; quote 3
// with a line on page 6, an exempt line and a stored rate left empty.
QByteArray yearFile()
{
    const RecordLayout &layout = Preventivi::layout();
    Record q1(layout);
    q1.setText(Preventivi::txtCliente, QStringLiteral("Rossi"));
    setLine(q1, 1, "3", "10,00", "10", "27,00");
    setTotals(q1, "22", {"27,00", "5,94", "32,94", "0,00", "32,94"});

    Record q2(layout);
    setLine(q2, 1, "2", "19,99", "", "39,98");
    setLine(q2, 2, "1", "6,00", "", "5,00", true);
    setTotals(q2, "22", {"39,98", "8,80", "48,78", "5,00", "53,78"});

    Record q3(layout);
    setLine(q3, 1, "1", "0,125", "", "");
    setLine(q3, 28, "", "5", "", "", true);
    setTotals(q3, "", {"", "", "", "", ""});

    // Stray bytes after the last whole record are not a quote.
    return q1.encode() + q2.encode() + q3.encode() + QByteArray(17, 'x');
}

QStringList keysInOrder(const QByteArray &line)
{
    QStringList keys;
    qsizetype from = 0;
    while (true) {
        const qsizetype colon = line.indexOf("\": ", from);
        if (colon < 0)
            break;
        const qsizetype open = line.lastIndexOf('"', colon - 1);
        keys << QString::fromUtf8(line.mid(open + 1, colon - open - 1));
        from = colon + 3;
    }
    return keys;
}

} // namespace

class TestToolTotals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reportsEveryQuoteInFileOrder();
    void agreesWithTheCalculation();
    void errors_data();
    void errors();
};

void TestToolTotals::reportsEveryQuoteInFileOrder()
{
    TestFolder folder;
    folder.write(QStringLiteral("2024.pre"), yearFile());
    const ToolRun run = runTool({QStringLiteral("totals"), folder.file(QStringLiteral("2024.pre"))});
    QCOMPARE(run.status, 1); // some quote does not match
    QVERIFY(run.err.isEmpty());
    QCOMPARE(run.lines.size(), 3);

    QStringList expectedKeys{"pos"};
    for (int i = 1; i <= 30; ++i)
        expectedKeys << QStringLiteral("txtImporto%1").arg(i, 2, 10, QChar(u'0'));
    expectedKeys << "txtPercIva"
                 << "txtTotImponibile"
                 << "txtTotImposta"
                 << "txtTotIva"
                 << "txtTotEsente"
                 << "txtTotFattura"
                 << "matches";

    QList<QJsonObject> quotes;
    for (const QByteArray &line : run.lines) {
        QCOMPARE(keysInOrder(line), expectedKeys);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        quotes << doc.object();
    }

    QCOMPARE(quotes[0]["pos"].toInt(), 1);
    QCOMPARE(quotes[0]["txtImporto01"].toString(), QStringLiteral("27,00"));
    QCOMPARE(quotes[0]["txtImporto02"].toString(), QString());
    QCOMPARE(quotes[0]["txtTotFattura"].toString(), QStringLiteral("32,94"));
    QCOMPARE(quotes[0]["matches"].toBool(), true);

    QCOMPARE(quotes[1]["pos"].toInt(), 2);
    QCOMPARE(quotes[1]["txtImporto02"].toString(), QStringLiteral("6,00"));
    QCOMPARE(quotes[1]["txtTotEsente"].toString(), QStringLiteral("6,00"));
    QCOMPARE(quotes[1]["txtTotFattura"].toString(), QStringLiteral("54,78"));
    QCOMPARE(quotes[1]["matches"].toBool(), false);

    QCOMPARE(quotes[2]["pos"].toInt(), 3);
    QCOMPARE(quotes[2]["txtImporto01"].toString(), QStringLiteral("0,125"));
    QCOMPARE(quotes[2]["txtImporto28"].toString(), QStringLiteral("5,00"));
    QCOMPARE(quotes[2]["txtPercIva"].toString(), QStringLiteral("0"));
    QCOMPARE(quotes[2]["txtTotImponibile"].toString(), QStringLiteral("0,13"));
    QCOMPARE(quotes[2]["txtTotEsente"].toString(), QStringLiteral("5,00"));
    QCOMPARE(quotes[2]["txtTotFattura"].toString(), QStringLiteral("5,13"));
    QCOMPARE(quotes[2]["matches"].toBool(), false);

    // The file was only read.
    QCOMPARE(folder.read(QStringLiteral("2024.pre")), yearFile());
}

void TestToolTotals::agreesWithTheCalculation()
{
    // A quote stored exactly as "Calcola" leaves it matches, and the tool prints those texts.
    Record q(Preventivi::layout());
    setLine(q, 1, "3", "1,333", "", "");
    setLine(q, 7, "1", "2,675", "", "", true);
    setLine(q, 30, "1", "10,00", "150", "");
    q.setText(Preventivi::txtPercIva, QStringLiteral("22"));
    const QuoteTotals::Figures shown = QuoteTotals::calcola(QuoteTotals::fromRecord(q)).figures;
    for (int i = 0; i < QuoteTotals::kLines; ++i)
        q.setText(Preventivi::lineField(Column::Importo, i + 1), shown.lines[size_t(i)].importo);
    setTotals(q, shown.percIva,
              {shown.totals.imponibile, shown.totals.imposta, shown.totals.iva, shown.totals.esente,
               shown.totals.fattura});

    TestFolder folder;
    folder.write(QStringLiteral("2025.pre"), q.encode());
    const ToolRun run = runTool({QStringLiteral("totals"), folder.file(QStringLiteral("2025.pre"))});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.lines.size(), 1);
    const QJsonObject o = QJsonDocument::fromJson(run.lines[0]).object();
    QCOMPARE(o["txtImporto01"].toString(), QStringLiteral("3,999"));
    QCOMPARE(o["txtImporto07"].toString(), QStringLiteral("2,675"));
    QCOMPARE(o["txtImporto30"].toString(), QStringLiteral("-5,00"));
    QCOMPARE(o["txtTotImponibile"].toString(), shown.totals.imponibile);
    QCOMPARE(o["txtTotImposta"].toString(), shown.totals.imposta);
    QCOMPARE(o["txtTotIva"].toString(), shown.totals.iva);
    QCOMPARE(o["txtTotEsente"].toString(), QStringLiteral("2,67"));
    QCOMPARE(o["txtTotFattura"].toString(), shown.totals.fattura);
    QCOMPARE(o["matches"].toBool(), true);
}

void TestToolTotals::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("missingFile"); // must not be created by the attempt
    QTest::newRow("no file") << QStringList{"totals"} << "";
    QTest::newRow("two files") << QStringList{"totals", "a.pre", "b.pre"} << "";
    QTest::newRow("missing year file") << QStringList{"totals", "@/2030.pre"} << "2030.pre";
    QTest::newRow("not a quote file") << QStringList{"totals", "@/Clienti.pro"} << "Clienti.pro";
}

void TestToolTotals::errors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, missingFile);
    TestFolder folder;
    args.replaceInStrings(QStringLiteral("@"), folder.path());
    const ToolRun run = runTool(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.lines.isEmpty());
    QVERIFY(!run.err.isEmpty());
    if (!missingFile.isEmpty())
        QVERIFY(!folder.exists(missingFile));
}

QTEST_GUILESS_MAIN(TestToolTotals)
#include "tst_tool_totals.moc"
