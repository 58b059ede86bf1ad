#include "core/Record.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/QuoteTotals.h"

#include <QtTest>

using QuoteTotals::Figures;

namespace {

// Lines written compactly as "quantity|price|discount" with a trailing "|E" for an exempt line,
// separated by ";": "3|10,00|10;1|5,00||E".
Figures quote(const QString &lines, const QString &rate)
{
    Figures f;
    f.percIva = rate;
    const QStringList rows = lines.isEmpty() ? QStringList() : lines.split(u';');
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList c = rows[i].split(u'|');
        QuoteTotals::Line &line = f.lines[size_t(i)];
        line.quant = c.value(0);
        line.prezzo = c.value(1);
        line.percSconto = c.value(2);
        line.esente = c.value(3) == QStringLiteral("E");
    }
    return f;
}

QStringList totalsOf(const Figures &f)
{
    return {f.totals.imponibile, f.totals.imposta, f.totals.iva, f.totals.esente, f.totals.fattura};
}

QStringList amountsOf(const Figures &f, int count)
{
    QStringList amounts;
    for (int i = 0; i < count; ++i)
        amounts << f.lines[size_t(i)].importo;
    return amounts;
}

const QStringList kZeroTotals = {"0,00", "0,00", "0,00", "0,00", "0,00"};

} // namespace

class TestQuoteTotals : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void calcola_data();
    void calcola();
    void emptyLinesTakeDefaults();
    void skippedLineKeepsItsAmountAndCounts();
    void failureStopsWithZeroTotals_data();
    void failureStopsWithZeroTotals();
    void fromRecordReadsFlagsAsLoaded();
};

void TestQuoteTotals::calcola_data()
{
    // clang-format off
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("amounts");
    // taxable, VAT, taxable with VAT, exempt, grand total
    QTest::addColumn<QStringList>("totals");

    QTest::newRow("no line filled") << "" << "22" << QStringList() << kZeroTotals;
    QTest::newRow("discount 10 %") << "3|10,00|10" << "22" << QStringList{"27,00"}
                                   << QStringList{"27,00", "5,94", "32,94", "0,00", "32,94"};
    QTest::newRow("taxable and exempt lines")
        << "2|19,99;1|5,00||E" << "22" << QStringList{"39,98", "5,00"}
        << QStringList{"39,98", "8,80", "48,78", "5,00", "53,78"};
    QTest::newRow("three decimals in the amount") << "3|1,333" << "22" << QStringList{"3,999"}
                                                  << QStringList{"4,00", "0,88", "4,88", "0,00", "4,88"};
    QTest::newRow("grand total is not the sum of the rounded figures")
        << "1|0,125" << "20" << QStringList{"0,125"} << QStringList{"0,13", "0,03", "0,15", "0,00", "0,15"};
    QTest::newRow("2,675 lies below the half in binary")
        << "1|2,675" << "0" << QStringList{"2,675"} << QStringList{"2,67", "0,00", "2,67", "0,00", "2,67"};
    QTest::newRow("0,005 lies above the half in binary")
        << "1|0,005" << "0" << QStringList{"0,005"} << QStringList{"0,01", "0,00", "0,01", "0,00", "0,01"};
    QTest::newRow("four decimals kept") << "1|1,2346" << "0" << QStringList{"1,2346"}
                                        << QStringList{"1,23", "0,00", "1,23", "0,00", "1,23"};
    QTest::newRow("discount over 100 rounds the negative amount symmetrically")
        << "1|10,00|150" << "22" << QStringList{"-5,00"}
        << QStringList{"-5,00", "-1,10", "-6,10", "0,00", "-6,10"};

    // Near halves at two decimals: the taxable total rounds the binary value of the amount.
    QTest::newRow("1,045 is below the half") << "1|1,045" << "0" << QStringList{"1,045"}
                                             << QStringList{"1,04", "0,00", "1,04", "0,00", "1,04"};
    QTest::newRow("0,015 is below the half even where double products round up")
        << "1|0,015" << "0" << QStringList{"0,015"} << QStringList{"0,01", "0,00", "0,01", "0,00", "0,01"};
    QTest::newRow("100,005 is below the half") << "1|100,005" << "0" << QStringList{"100,005"}
                                               << QStringList{"100,00", "0,00", "100,00", "0,00", "100,00"};
    QTest::newRow("0,135 is above the half") << "1|0,135" << "0" << QStringList{"0,135"}
                                             << QStringList{"0,14", "0,00", "0,14", "0,00", "0,14"};
    QTest::newRow("1,125 is an exact half and goes up") << "1|1,125" << "0" << QStringList{"1,125"}
                                                        << QStringList{"1,13", "0,00", "1,13", "0,00", "1,13"};
    QTest::newRow("a product of 1,005 rounds down")
        << "3|0,335" << "0" << QStringList{"1,005"} << QStringList{"1,00", "0,00", "1,00", "0,00", "1,00"};
    QTest::newRow("exempt 1,045 rounds down as well")
        << "1|1,045||E" << "22" << QStringList{"1,045"} << QStringList{"0,00", "0,00", "0,00", "1,04", "1,04"};

    // Near halves at four decimals: the line amount rounds the binary value of the net.
    QTest::newRow("2,00045 is below the half") << "1|2,00045" << "0" << QStringList{"2,0004"}
                                               << QStringList{"2,00", "0,00", "2,00", "0,00", "2,00"};
    QTest::newRow("3,00005 is below the half") << "1|3,00005" << "0" << QStringList{"3,00"}
                                               << QStringList{"3,00", "0,00", "3,00", "0,00", "3,00"};
    QTest::newRow("0,00035 is below the half") << "1|0,00035" << "0" << QStringList{"0,0003"} << kZeroTotals;
    QTest::newRow("1,00005 is above the half") << "1|1,00005" << "0" << QStringList{"1,0001"}
                                               << QStringList{"1,00", "0,00", "1,00", "0,00", "1,00"};
    QTest::newRow("1,23455 is above the half") << "1|1,23455" << "0" << QStringList{"1,2346"}
                                               << QStringList{"1,23", "0,00", "1,23", "0,00", "1,23"};
    QTest::newRow("negative near half rounds away from zero")
        << "1|1,00|100,5" << "0" << QStringList{"-0,005"}
        << QStringList{"-0,01", "0,00", "-0,01", "0,00", "-0,01"};

    QTest::newRow("VAT comes from the unrounded taxable total")
        << "2|5,012" << "22" << QStringList{"10,024"} << QStringList{"10,02", "2,21", "12,23", "0,00", "12,23"};
    // The taxable and exempt totals round their sums as the window shows them (15 digits); the
    // totals with VAT round the sums themselves, so the two can tell different halves apart.
    QTest::newRow("taxable sum rounded through its text")
        << "1|0,01;1|0,035" << "0" << QStringList{"0,01", "0,035"}
        << QStringList{"0,04", "0,00", "0,05", "0,00", "0,05"};
    QTest::newRow("exempt sum rounded through its text")
        << "1|0,01||E;1|0,075||E" << "0" << QStringList{"0,01", "0,075"}
        << QStringList{"0,00", "0,00", "0,00", "0,09", "0,08"};
    QTest::newRow("binary noise of a sum stays hidden")
        << "1|0,10;1|0,20" << "10" << QStringList{"0,10", "0,20"}
        << QStringList{"0,30", "0,03", "0,33", "0,00", "0,33"};
    QTest::newRow("decimal rate") << "1|100,00" << "7,5" << QStringList{"100,00"}
                                  << QStringList{"100,00", "7,50", "107,50", "0,00", "107,50"};
    // clang-format on
}

void TestQuoteTotals::calcola()
{
    QFETCH(QString, lines);
    QFETCH(QString, rate);
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, totals);

    const QuoteTotals::Outcome out = QuoteTotals::calcola(quote(lines, rate));
    QVERIFY(out.completed);
    QCOMPARE(amountsOf(out.figures, int(amounts.size())), amounts);
    QCOMPARE(totalsOf(out.figures), totals);
    for (int i = int(amounts.size()); i < QuoteTotals::kLines; ++i)
        QCOMPARE(out.figures.lines[size_t(i)].importo, QString());
}

void TestQuoteTotals::emptyLinesTakeDefaults()
{
    Figures f = quote("|5;2|;||15", "");
    const QuoteTotals::Outcome out = QuoteTotals::calcola(f);
    QVERIFY(out.completed);
    // A price without quantity counts once; a quantity without price is worth nothing; a line
    // with only a discount (or only a code or description) is not a line at all.
    QCOMPARE(out.figures.lines[0].quant, QStringLiteral("1"));
    QCOMPARE(out.figures.lines[0].importo, QStringLiteral("5,00"));
    QCOMPARE(out.figures.lines[1].prezzo, QStringLiteral("0,00"));
    QCOMPARE(out.figures.lines[1].importo, QStringLiteral("0,00"));
    QCOMPARE(out.figures.lines[2].quant, QString());
    QCOMPARE(out.figures.lines[2].prezzo, QString());
    QCOMPARE(out.figures.lines[2].importo, QString());
    QCOMPARE(out.figures.lines[2].percSconto, QStringLiteral("15"));
    QCOMPARE(out.figures.percIva, QStringLiteral("0"));
    QCOMPARE(totalsOf(out.figures), (QStringList{"5,00", "0,00", "5,00", "0,00", "5,00"}));
}

void TestQuoteTotals::skippedLineKeepsItsAmountAndCounts()
{
    // An amount left on an emptied line is still on the window, so it still counts.
    Figures f = quote("1|10,00", "22");
    f.lines[5].importo = QStringLiteral("2,00");
    f.lines[6].importo = QStringLiteral("3,00");
    f.lines[6].esente = true;
    const QuoteTotals::Outcome out = QuoteTotals::calcola(f);
    QVERIFY(out.completed);
    QCOMPARE(out.figures.lines[5].importo, QStringLiteral("2,00"));
    QCOMPARE(totalsOf(out.figures), (QStringList{"12,00", "2,64", "14,64", "3,00", "17,64"}));
}

void TestQuoteTotals::failureStopsWithZeroTotals_data()
{
    // clang-format off
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("damagedLine"); // 0-based; -1 for none
    QTest::addColumn<QString>("damagedQuant");
    QTest::addColumn<QString>("damagedAmount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("amounts"); // of the first three lines afterwards
    QTest::addColumn<QString>("rateAfter");

    // Each line starts with the stale amount "9,99".
    QTest::newRow("letters in a quantity") << "1|10,00;1|5,00;1|3,00" << 1 << "abc" << "" << "22"
                                           << QStringList{"10,00", "9,99", "9,99"} << "22";
    QTest::newRow("damaged amount on a skipped line")
        << "1|10,00;1|5,00;1|3,00" << 5 << "" << "x" << "22" << QStringList{"10,00", "5,00", "3,00"} << "22";
    QTest::newRow("unreadable rate") << "1|10,00;1|5,00;1|3,00" << -1 << "" << "" << "2,2,"
                                     << QStringList{"10,00", "5,00", "3,00"} << "2,2,";
    QTest::newRow("unreadable discount") << "1|10,00;1|5,00|1,,5;1|3,00" << -1 << "" << "" << "22"
                                         << QStringList{"10,00", "9,99", "9,99"} << "22";
    QTest::newRow("quantity out of range") << "1|10,00;1|5,00;1|3,00" << 0 << "1E400" << "" << "22"
                                           << QStringList{"9,99", "9,99", "9,99"} << "22";
    // clang-format on
}

void TestQuoteTotals::failureStopsWithZeroTotals()
{
    QFETCH(QString, lines);
    QFETCH(int, damagedLine);
    QFETCH(QString, damagedQuant);
    QFETCH(QString, damagedAmount);
    QFETCH(QString, rate);
    QFETCH(QStringList, amounts);
    QFETCH(QString, rateAfter);

    Figures f = quote(lines, rate);
    for (QuoteTotals::Line &line : f.lines)
        line.importo = QStringLiteral("9,99");
    if (damagedLine >= 0) {
        if (!damagedQuant.isEmpty())
            f.lines[size_t(damagedLine)].quant = damagedQuant;
        if (!damagedAmount.isEmpty())
            f.lines[size_t(damagedLine)].importo = damagedAmount;
    }
    f.totals = {"1", "2", "3", "4", "5"};

    const QuoteTotals::Outcome out = QuoteTotals::calcola(f);
    QVERIFY(!out.completed);
    QCOMPARE(amountsOf(out.figures, 3), amounts);
    QCOMPARE(totalsOf(out.figures), kZeroTotals);
    QCOMPARE(out.figures.percIva, rateAfter);
}

void TestQuoteTotals::fromRecordReadsFlagsAsLoaded()
{
    Record r(Preventivi::layout());
    using Preventivi::Column;
    r.setText(Preventivi::lineField(Column::Quant, 1), QStringLiteral("1"));
    r.setText(Preventivi::lineField(Column::Prezzo, 1), QStringLiteral("10,00"));
    r.setText(Preventivi::lineField(Column::Es, 1), Record::flagText(true));
    r.setText(Preventivi::lineField(Column::Quant, 30), QStringLiteral("2"));
    r.setText(Preventivi::lineField(Column::Prezzo, 30), QStringLiteral("1,50"));
    r.setText(Preventivi::lineField(Column::PercSconto, 30), QStringLiteral("10"));
    r.setText(Preventivi::lineField(Column::Es, 30), QStringLiteral("??"));
    r.setText(Preventivi::txtPercIva, QStringLiteral("22"));

    const QuoteTotals::Outcome out =
        QuoteTotals::calcola(QuoteTotals::fromRecord(Record::decode(Preventivi::layout(), r.encode())));
    QVERIFY(out.completed);
    QCOMPARE(out.figures.lines[29].importo, QStringLiteral("2,70"));
    QCOMPARE(totalsOf(out.figures), (QStringList{"2,70", "0,59", "3,29", "10,00", "13,29"}));
}

QTEST_APPLESS_MAIN(TestQuoteTotals)
#include "tst_quotetotals.moc"
