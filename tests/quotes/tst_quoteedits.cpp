#include "quotes/QuoteEdits.h"

#include <QtTest>

class TestQuoteEdits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leaveDecimal_data();
    void leaveDecimal();
    void leavePrice_data();
    void leavePrice();
};

void TestQuoteEdits::leaveDecimal_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("trailing zero dropped") << "2,50" << "2,5";
    QTest::newRow("five decimals keep four") << "1,23456" << "1,2346";
    QTest::newRow("whole number") << "3" << "3";
    QTest::newRow("leading zeros") << "007" << "7";
    QTest::newRow("two commas emptied") << "1,2,3" << "";
    QTest::newRow("lone comma emptied") << "," << "";
    QTest::newRow("empty stays") << "" << "";
    QTest::newRow("blanks stay as they are") << "  " << "  ";
    QTest::newRow("0,00035 lies below the half") << "0,00035" << "0,0003";
    QTest::newRow("1,00005 lies above the half") << "1,00005" << "1,0001";
    QTest::newRow("out of range emptied") << "1E400" << "";
    // clang-format on
}

void TestQuoteEdits::leaveDecimal()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(QuoteEdits::leaveDecimal(typed), shown);
}

void TestQuoteEdits::leavePrice_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole gets cents") << "7" << "7,00";
    QTest::newRow("one decimal gets a zero") << "12,5" << "12,50";
    QTest::newRow("three decimals stay") << "12,345" << "12,345";
    QTest::newRow("five decimals keep four") << "1,23456" << "1,2346";
    QTest::newRow("zero") << "0" << "0,00";
    QTest::newRow("2,00045 lies below the half") << "2,00045" << "2,0004";
    QTest::newRow("3,00005 rounds to a whole") << "3,00005" << "3,00";
    QTest::newRow("two commas become zero") << "1,2,3" << "0,00";
    QTest::newRow("empty stays empty") << "" << "";
    QTest::newRow("blanks are emptied") << "   " << "";
    // clang-format on
}

void TestQuoteEdits::leavePrice()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(QuoteEdits::leavePrice(typed), shown);
}

QTEST_APPLESS_MAIN(TestQuoteEdits)
#include "tst_quoteedits.moc"
