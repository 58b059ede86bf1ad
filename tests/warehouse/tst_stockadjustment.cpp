#include "warehouse/StockAdjustment.h"

#include <QtTest>

using StockAdjustment::Direction;

Q_DECLARE_METATYPE(Direction)

class TestStockAdjustment : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void labels();
    void opening_data();
    void opening();
    void leave_data();
    void leave();
    void calcolaTotale_data();
    void calcolaTotale();
    void applyWithoutCalcolaTotale_data();
    void applyWithoutCalcolaTotale();
    void sixteenthDigit();
};

void TestStockAdjustment::labels()
{
    QCOMPARE(StockAdjustment::quantityLabel(Direction::Add), QStringLiteral("Quantit\u00E0 da aggiungere:"));
    QCOMPARE(StockAdjustment::quantityLabel(Direction::Subtract),
             QStringLiteral("Quantit\u00E0 da sottrarre:"));
}

void TestStockAdjustment::opening_data()
{
    // clang-format off
    QTest::addColumn<QString>("cardStock");
    QTest::addColumn<QString>("stock");
    QTest::newRow("blank stock becomes 0") << "  " << "0";
    QTest::newRow("trimmed") << " 12 " << "12";
    // clang-format on
}

void TestStockAdjustment::opening()
{
    QFETCH(QString, cardStock);
    QFETCH(QString, stock);
    const StockAdjustment::Opening o = StockAdjustment::opening(cardStock);
    QCOMPARE(o.cardStock, stock);
    QCOMPARE(o.window.giacenza, stock);
    QCOMPARE(o.window.aggiunta, QStringLiteral("0"));
    QCOMPARE(o.window.totale, stock);
}

void TestStockAdjustment::leave_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leading zeros") << "0012" << "12";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("sixteen digits keep fifteen significant")
        << "1234567890123456" << "1,23456789012346E15";
    // clang-format on
}

void TestStockAdjustment::leave()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(StockAdjustment::leave(typed), shown);
}

void TestStockAdjustment::calcolaTotale_data()
{
    // clang-format off
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QStringList>("before"); // giacenza, aggiunta, totale
    QTest::addColumn<QStringList>("after");
    QTest::newRow("add") << Direction::Add << QStringList{"5", "3", "5"} << QStringList{"5", "3", "8"};
    QTest::newRow("subtract to a negative")
        << Direction::Subtract << QStringList{"5", "8", "5"} << QStringList{"5", "8", "-3"};
    QTest::newRow("blank edits become 0") << Direction::Add << QStringList{"", " ", ""} << QStringList{"0", "0", "0"};
    QTest::newRow("unreadable stock zeroes all three")
        << Direction::Add << QStringList{"5x", "3", "5"} << QStringList{"0", "0", "0"};
    // clang-format on
}

void TestStockAdjustment::calcolaTotale()
{
    QFETCH(Direction, direction);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    const StockAdjustment::Texts t =
        StockAdjustment::calcolaTotale(direction, {before[0], before[1], before[2]});
    QCOMPARE((QStringList{t.giacenza, t.aggiunta, t.totale}), after);
}

void TestStockAdjustment::applyWithoutCalcolaTotale_data()
{
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QStringList>("window"); // the total still shows the stock as opened
    QTest::addColumn<QString>("cardStock");
    QTest::newRow("add 3 to 5") << Direction::Add << QStringList{"5", "3", "5"} << "8";
    QTest::newRow("subtract 8 from 5") << Direction::Subtract << QStringList{"5", "8", "5"} << "-3";
}

void TestStockAdjustment::applyWithoutCalcolaTotale()
{
    QFETCH(Direction, direction);
    QFETCH(QStringList, window);
    QFETCH(QString, cardStock);
    QCOMPARE(StockAdjustment::apply(direction, {window[0], window[1], window[2]}), cardStock);
}

void TestStockAdjustment::sixteenthDigit()
{
    const QString fifteen = QStringLiteral("123456789012345");
    QVERIFY(!StockAdjustment::keyEmpties(fifteen));       // the 16th digit is still typed
    QVERIFY(StockAdjustment::keyEmpties(fifteen + u'6')); // the key after it empties the edit
    QVERIFY(!StockAdjustment::keyEmpties(QString()));
}

QTEST_APPLESS_MAIN(TestStockAdjustment)
#include "tst_stockadjustment.moc"
