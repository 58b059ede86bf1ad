// The inventory without its windows: which items a type lists, the lines, the total value made
// the way the list shows it, and items whose value does not read.
#include "TestFolder.h"
#include "core/Record.h"
#include "warehouse/Inventory.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFile>
#include <QtTest>

using Items = QList<QStringList>; // code, type, value
using Positions = QList<qint64>;
Q_DECLARE_METATYPE(Positions)

namespace {

Inventory::Result inventoryOf(const Items &items, const QString &type)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Magazzino.pro"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write the archive");
    for (const QStringList &i : items) {
        Record r(Magazzino::layout());
        r.setText(Magazzino::Codice, i.value(0));
        r.setText(Magazzino::Tipologia, i.value(1));
        r.setText(Magazzino::Valore, i.value(2));
        f.write(r.encode());
    }
    f.close();
    return Inventory::build(path, type, false);
}

Positions positionsOf(const Inventory::Result &r)
{
    Positions positions;
    for (const auto &line : r.lines)
        positions << line.position;
    return positions;
}

} // namespace

class TestInventory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typeAndTotal_data();
    void typeAndTotal();
    void line();
    void missingArchive();
    void printedClosing();
};

void TestInventory::typeAndTotal_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QString>("type");
    QTest::addColumn<Positions>("listed");
    QTest::addColumn<QString>("selectedType");
    QTest::addColumn<QString>("total");
    QTest::addColumn<Positions>("unreadable");

    const Items mixed{
        {"C3", "Ricambi", "1"}, {"C1", "Elettrico", "2"}, {"C2", "ricambi auto", "4"}, {"C0", "", "8"}};
    QTest::newRow("RIC lists Ricambi and ricambi auto, not Elettrico nor an empty type")
        << mixed << "RIC" << Positions{3, 1} << "RIC"
        << "\u20AC 5,00" << Positions{};
    QTest::newRow("one type") << mixed << "ELET" << Positions{2} << "ELET"
                              << "\u20AC 2,00" << Positions{};
    QTest::newRow("a later word of the type") << mixed << "Auto" << Positions{3} << "Auto"
                                              << "\u20AC 4,00" << Positions{};
    QTest::newRow("without a type every item, empty types too, by code")
        << mixed << "   " << Positions{4, 2, 3, 1} << "Tutti gli articoli in magazzino."
        << "\u20AC 15,00" << Positions{};
    QTest::newRow("10,50 + 2,25") << Items{{"A", "x", "10,50"}, {"B", "x", "2,25"}} << "" << Positions{1, 2}
                                  << "Tutti gli articoli in magazzino."
                                  << "\u20AC 12,75" << Positions{};
    QTest::newRow("3 alone") << Items{{"A", "x", "3"}} << "" << Positions{1}
                             << "Tutti gli articoli in magazzino."
                             << "\u20AC 3,00" << Positions{};
    QTest::newRow("tenths that binary cannot hold add up to the cent")
        << Items{{"A", "x", "0,1"}, {"B", "x", "0,2"}, {"C", "x", "0,7"}} << "" << Positions{1, 2, 3}
        << "Tutti gli articoli in magazzino."
        << "\u20AC 1,00" << Positions{};
    QTest::newRow("a damaged value in the middle is listed, not added; the rest still count")
        << Items{{"A", "x", "1,50"}, {"B", "x", "dieci"}, {"C", "x", ""}, {"D", "x", "2"}} << ""
        << Positions{1, 2, 3, 4} << "Tutti gli articoli in magazzino."
        << "\u20AC 3,50" << Positions{2, 3};
    QTest::newRow("empty archive") << Items{} << "" << Positions{} << "Tutti gli articoli in magazzino."
                                   << "\u20AC 0,00" << Positions{};
}

void TestInventory::typeAndTotal()
{
    QFETCH(Items, items);
    QFETCH(QString, type);
    QFETCH(Positions, listed);
    QFETCH(QString, selectedType);
    QFETCH(QString, total);
    QFETCH(Positions, unreadable);
    const Inventory::Result r = inventoryOf(items, type);
    QCOMPARE(positionsOf(r), listed);
    QCOMPARE(r.selectedType, selectedType);
    QCOMPARE(r.total, total);
    QCOMPARE(Positions(r.unreadable.begin(), r.unreadable.end()), unreadable);
    const QString warning = Inventory::unreadableWarning(int(r.unreadable.size()));
    QCOMPARE(warning.isEmpty(), unreadable.isEmpty());
    if (!warning.isEmpty())
        QCOMPARE(warning,
                 QStringLiteral("Attenzione: il valore di %1 articoli non \u00E8 leggibile e non \u00E8 "
                                "compreso nel totale.")
                     .arg(unreadable.size()));
}

void TestInventory::line()
{
    // Brand and model over 40 characters and a cost over 12 are cut; the value ends the line.
    QCOMPARE(Inventory::line(QStringLiteral("PN-205"), QStringLiteral("Pirelli Pneumatici"),
                             QStringLiteral("Cinturato P7 All Season Plus"), QStringLiteral("1234567,89012"),
                             QStringLiteral("12"), QStringLiteral("1.000,00")),
             QStringLiteral("PN-205") + QString(24, u' ') +
                 QStringLiteral("  Pirelli Pneumatici Cinturato P7 All Seas") +
                 QStringLiteral("  Costo: \u20AC 1234567,8901  Giacenza: 12") + QString(10, u' ') +
                 QStringLiteral("  Valore: \u20AC 1.000,00"));
}

void TestInventory::missingArchive()
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Magazzino.pro"));
    const Inventory::Result r = Inventory::build(path, QString(), false);
    QVERIFY(r.lines.empty());
    QCOMPARE(r.total, QStringLiteral("\u20AC 0,00"));
    QVERIFY(!QFile::exists(path));
    Inventory::build(path, QString(), true);
    QVERIFY(QFile::exists(path));
}

void TestInventory::printedClosing()
{
    QCOMPARE(Inventory::printTitle(QStringLiteral(" Ricambi ")),
             QStringLiteral("Inventario merce - Tipologia: Ricambi"));
    QCOMPARE(Inventory::closingLines(QStringLiteral("\u20AC 12,75")),
             (QStringList{QString(26, u'-'), QStringLiteral("VALORE TOTALE: \u20AC 12,75")}));
}

QTEST_GUILESS_MAIN(TestInventory)
#include "tst_inventory.moc"
