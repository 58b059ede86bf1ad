#include "warehouse/ItemFigures.h"

#include <QtTest>

using ItemFigures::Card;
using ItemFigures::SaveVerdict;

namespace {

QStringList textsOf(const ItemFigures::Prices &p)
{
    return {p.prezzo, p.percIva, p.prezzoConIva};
}
QStringList textsOf(const ItemFigures::StockValue &v)
{
    return {v.costo, v.giacenza, v.valore};
}
QStringList textsOf(const Card &c)
{
    return {c.codice, c.giacenza, c.sottoscorta, c.costo, c.valore, c.prezzo, c.percIva, c.prezzoConIva};
}

} // namespace

class TestItemFigures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leaveInteger_data();
    void leaveInteger();
    void leaveAmount_data();
    void leaveAmount();
    void calcola_data();
    void calcola();
    void scorpora_data();
    void scorpora();
    void calcolaValore_data();
    void calcolaValore();
    void prepareSave_data();
    void prepareSave();
};

void TestItemFigures::leaveInteger_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3,6 rounds up") << "3,6" << "4";
    QTest::newRow("7,6 rounds up") << "7,6" << "8";
    QTest::newRow("a half goes up") << "2,5" << "3";
    QTest::newRow("leading zeros") << "007" << "7";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("blanks") << "  " << "0";
    // clang-format on
}

void TestItemFigures::leaveInteger()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(ItemFigures::leaveInteger(typed), shown);
}

void TestItemFigures::leaveAmount_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "7" << "7,00";
    QTest::newRow("one decimal") << "7,5" << "7,50";
    QTest::newRow("only a comma") << "," << "0,00";
    QTest::newRow("three decimals stay") << "12,345" << "12,345";
    QTest::newRow("five decimals keep four") << "1,23456" << "1,2346";
    QTest::newRow("2,00045 lies below the half") << "2,00045" << "2,0004";
    QTest::newRow("empty") << "" << "0,00";
    QTest::newRow("two commas") << "1,2,3" << "0,00";
    // clang-format on
}

void TestItemFigures::leaveAmount()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(ItemFigures::leaveAmount(typed), shown);
}

void TestItemFigures::calcola_data()
{
    // clang-format off
    // prezzo, percIva, prezzoConIva before and after
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("warned");
    QTest::newRow("10 at 22") << QStringList{"10", "22", ""} << QStringList{"10", "22", "12,20"} << false;
    QTest::newRow("stale price with VAT is replaced")
        << QStringList{"10,00", "22", "99,99"} << QStringList{"10,00", "22", "12,20"} << false;
    QTest::newRow("9,99 at 0") << QStringList{"9,99", "0", "0,00"} << QStringList{"9,99", "0", "9,99"} << false;
    QTest::newRow("empty fields take defaults")
        << QStringList{"", " ", ""} << QStringList{"0,00", "0", "0,00"} << false;
    QTest::newRow("1,545 lies below the half") << QStringList{"1,5", "3", ""} << QStringList{"1,5", "3", "1,54"}
                                               << false;
    QTest::newRow("0,505 lies above the half") << QStringList{"0,5", "1", ""} << QStringList{"0,5", "1", "0,51"}
                                               << false;
    QTest::newRow("unreadable price is reset, the rate kept")
        << QStringList{"1,2,3", "22", "5,00"} << QStringList{"0,00", "22", "5,00"} << true;
    QTest::newRow("unreadable price with VAT is reset, the price kept")
        << QStringList{"10,00", "22", "x"} << QStringList{"10,00", "22", "0,00"} << true;
    // clang-format on
}

void TestItemFigures::calcola()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, warned);
    const ItemFigures::PricesOutcome out = ItemFigures::calcola({before[0], before[1], before[2]});
    QCOMPARE(textsOf(out.prices), after);
    QCOMPARE(out.warning, warned ? ItemFigures::calcolaWarning() : QString());
}

void TestItemFigures::scorpora_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<bool>("warned");
    QTest::newRow("12,20 at 22") << QStringList{"", "22", "12,20"} << QStringList{"10,00", "22", "12,20"} << false;
    QTest::newRow("100 at 22 rounds half up")
        << QStringList{"5,00", "22", "100"} << QStringList{"81,97", "22", "100"} << false;
    QTest::newRow("rate in shortest form") << QStringList{"", "08", "10,80"} << QStringList{"10,00", "8", "10,80"}
                                           << false;
    QTest::newRow("empty fields take defaults") << QStringList{"3,00", "", ""} << QStringList{"0,00", "0", "0,00"}
                                                << false;
    QTest::newRow("unreadable price with VAT") << QStringList{"3,00", "22", "1,,2"}
                                               << QStringList{"3,00", "22", "0,00"} << true;
    QTest::newRow("rate of -100 would divide by zero")
        << QStringList{"3,00", "-100", "10,00"} << QStringList{"3,00", "-100", "10,00"} << true;
    // clang-format on
}

void TestItemFigures::scorpora()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(bool, warned);
    const ItemFigures::PricesOutcome out = ItemFigures::scorpora({before[0], before[1], before[2]});
    QCOMPARE(textsOf(out.prices), after);
    QCOMPARE(out.warning, warned ? ItemFigures::scorporaWarning() : QString());
}

void TestItemFigures::calcolaValore_data()
{
    // costo, giacenza, valore before and after
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("2,5 x 3") << QStringList{"2,5", "3", ""} << QStringList{"2,5", "3", "7,50"};
    QTest::newRow("2,5 x 4") << QStringList{"2,50", "4", "1,00"} << QStringList{"2,50", "4", "10,00"};
    QTest::newRow("negative stock") << QStringList{"2,00", "-3", ""} << QStringList{"2,00", "-3", "-6,00"};
    QTest::newRow("defaults") << QStringList{"", "", ""} << QStringList{"0,00", "0", "0,00"};
    QTest::newRow("unreadable cost keeps the stock")
        << QStringList{"abc", "5", "9,00"} << QStringList{"0,00", "5", "0,00"};
}

void TestItemFigures::calcolaValore()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QCOMPARE(textsOf(ItemFigures::calcolaValore({before[0], before[1], before[2]})), after);
}

void TestItemFigures::prepareSave_data()
{
    // clang-format off
    // codice, giacenza, sottoscorta, costo, valore, prezzo, percIva, prezzoConIva
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("focus");

    QTest::newRow("only the code") << QStringList{"A1", "", "", "", "", "", "", ""}
                                   << QStringList{"A1", "0", "0", "0,00", "0,00", "0,00", "0", "0,00"}
                                   << int(SaveVerdict::Write) << "";
    QTest::newRow("stale price with VAT and value are recomputed")
        << QStringList{"A1", "4", "1", "2,5", "1,00", "10", "22", "99,00"}
        << QStringList{"A1", "4", "1", "2,5", "10,00", "10", "22", "12,20"} << int(SaveVerdict::Write) << "";
    QTest::newRow("stock and threshold rounded")
        << QStringList{"A1", "3,6", "0,4", "1,00", "", "", "", ""}
        << QStringList{"A1", "4", "0", "1,00", "4,00", "0,00", "0", "0,00"} << int(SaveVerdict::Write) << "";
    QTest::newRow("missing code") << QStringList{"  ", "5", "", "", "", "", "", ""}
                                  << QStringList{"  ", "5", "", "", "", "", "", ""}
                                  << int(SaveVerdict::MissingCode) << "txtCodice";
    QTest::newRow("unreadable stock") << QStringList{"A1", "tre", "", "", "", "", "", ""}
                                      << QStringList{"A1", "tre", "0", "0,00", "0,00", "0,00", "0", "0,00"}
                                      << int(SaveVerdict::AccessFailure) << "";
    QTest::newRow("unreadable price stops before writing")
        << QStringList{"A1", "5", "1", "2,00", "", "1,,0", "22", "12,20"}
        << QStringList{"A1", "5", "1", "2,00", "0,00", "0,00", "22", "12,20"} << int(SaveVerdict::InvalidPrices)
        << "txtPrezzo_con_Iva";
    // clang-format on
}

void TestItemFigures::prepareSave()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(int, verdict);
    QFETCH(QString, focus);
    const ItemFigures::SaveOutcome out = ItemFigures::prepareSave(
        {before[0], before[1], before[2], before[3], before[4], before[5], before[6], before[7]});
    QCOMPARE(int(out.verdict), verdict);
    QCOMPARE(textsOf(out.card), after);
    QCOMPARE(out.focus, focus);
    if (out.verdict == SaveVerdict::MissingCode)
        QCOMPARE(out.warning, ItemFigures::missingCodeWarning());
    else if (out.verdict == SaveVerdict::InvalidPrices)
        QCOMPARE(out.warning, ItemFigures::calcolaWarning());
    else
        QCOMPARE(out.warning, QString());
}

QTEST_APPLESS_MAIN(TestItemFigures)
#include "tst_itemfigures.moc"
