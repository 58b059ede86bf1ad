#include "core/Numbers.h"

#include <QtTest>
#include <cmath>

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void numericForm_data();
    void numericForm();
    void numericFormRoundTrips();
    void arrotonda_data();
    void arrotonda();
    void normalizeAmount_data();
    void normalizeAmount();
};

void TestNumbers::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("integer") << "27" << true << 27.0;
    QTest::newRow("comma decimal") << "12,5" << true << 12.5;
    QTest::newRow("negative") << "-4,2" << true << -4.2;
    QTest::newRow("plus sign") << "+3" << true << 3.0;
    QTest::newRow("leading comma") << ",5" << true << 0.5;
    QTest::newRow("trailing comma") << "5," << true << 5.0;
    QTest::newRow("exponent") << "1E-8" << true << 1e-8;
    QTest::newRow("exponent with comma") << "1,5E3" << true << 1500.0;
    QTest::newRow("blanks around") << "  7 " << true << 7.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("only blanks") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("two commas") << "1,2,3" << false << 0.0;
    QTest::newRow("point is not the separator") << "1.5" << false << 0.0;
    QTest::newRow("lone comma") << "," << false << 0.0;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << false << 0.0;
    QTest::newRow("thousands separator") << "1.000,5" << false << 0.0;
}

void TestNumbers::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto v = Numbers::parse(text);
    QCOMPARE(v.has_value(), ok);
    if (ok)
        QCOMPARE(double(*v), value);
}

void TestNumbers::numericForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("12,5") << 12.5 << "12,5";
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("four decimals") << 0.1235 << "0,1235";
    QTest::newRow("negative") << -4.2 << "-4,2";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("binary noise hidden by 15 digits") << 0.1 + 0.2 << "0,3";
    QTest::newRow("tiny takes exponent") << 1e-8 << "1E-8";
    QTest::newRow("smallest plain") << 0.00001 << "0,00001";
    QTest::newRow("just below the plain range") << 0.0000099 << "9,9E-6";
    QTest::newRow("15 integer digits stay plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("16 integer digits take exponent") << 1e15 << "1E15";
    QTest::newRow("many digits rounded to 15") << 2.0 / 3.0 << "0,666666666666667";
    QTest::newRow("cents") << 12.2 << "12,2";
}

void TestNumbers::numericForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Numbers::numericForm(value), text);
}

void TestNumbers::numericFormRoundTrips()
{
    // Values of at most 15 significant digits come back exactly through their text.
    const double values[] = {0.01, 12.345, -7.5, 81.97, 123456789012.345, 1e-7, 4.9999};
    for (double v : values) {
        const auto back = Numbers::parse(Numbers::numericForm(v));
        QVERIFY(back.has_value());
        QCOMPARE(double(*back), v);
    }
}

void TestNumbers::arrotonda_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected"); // in numeric form
    QTest::newRow("2,5 half up at 0") << 2.5 << 0 << "3";
    QTest::newRow("2,675 is below the half in binary") << 2.675 << 2 << "2,67";
    QTest::newRow("0,125 is exact: half up") << 0.125 << 2 << "0,13";
    QTest::newRow("1,005 is below the half") << 1.005 << 2 << "1";
    QTest::newRow("1,015 is below the half too") << 1.015 << 2 << "1,01";
    QTest::newRow("8,345 is above the half") << 8.345 << 2 << "8,35";
    QTest::newRow("1,125 is exact: half up") << 1.125 << 2 << "1,13";
    QTest::newRow("1E-8 at 4 decimals") << 1e-8 << 4 << "0";
    QTest::newRow("four decimals") << 0.12345 << 4 << "0,1235";
    QTest::newRow("big value keeps its digits") << 1234567890123.456 << 2 << "1234567890123,46";
    QTest::newRow("negative symmetric -5 at 4") << -5.0 << 4 << "-5";
    QTest::newRow("negative symmetric -2,7 at 0") << -2.7 << 0 << "-3";
    QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
    QTest::newRow("negative cents") << -1.1 << 2 << "-1,1";
    QTest::newRow("zero") << 0.0 << 2 << "0";
}

void TestNumbers::arrotonda()
{
    QFETCH(double, x);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::numericForm(Numbers::arrotonda(x, n)), expected);
}

void TestNumbers::normalizeAmount_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no comma") << "27" << "27,00";
    QTest::newRow("one decimal") << "12,5" << "12,50";
    QTest::newRow("two decimals") << "12,50" << "12,50";
    QTest::newRow("three decimals") << "0,125" << "0,125";
    QTest::newRow("negative whole") << "-4" << "-4,00";
    QTest::newRow("exponent form gains ,00") << "1E-8" << "1E-8,00";
    // clang-format on
}

void TestNumbers::normalizeAmount()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::normalizeAmount(text), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
