// The item import without its window: the list line and search, the quantity on leaving, and
// the stock unload written to the item archive.
#include "TestFolder.h"
#include "core/Record.h"
#include "core/RecordView.h"
#include "services/ItemImport.h"
#include "warehouse/MagazzinoRecord.h"

#include <QtTest>

using namespace Magazzino;
using ItemImport::Unload;

namespace {

using Texts = QList<QPair<int, QString>>;

QByteArray item(const Texts &texts)
{
    Record r(layout());
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r.encode();
}

QString stored(const QByteArray &file, int position, int field)
{
    const int size = layout().recordSize();
    return RecordView(layout(), file.constData() + qsizetype(position - 1) * size).text(field);
}

} // namespace

Q_DECLARE_METATYPE(Unload)

class TestItemImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unload_data();
    void unload();
    void unloadLeavesEveryOtherByte();
    void unloadPastTheEnd();
    void listLine_data();
    void listLine();
    void searchMatchesEveryFilledCriterion();
    void leaveQuantity_data();
    void leaveQuantity();
};

void TestItemImport::unload_data()
{
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("cost");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<Unload>("outcome");
    QTest::addColumn<QString>("newStock");
    QTest::addColumn<QString>("newValue");
    QTest::newRow("the whole stock") << "5"
                                     << "12,40"
                                     << "5" << Unload::Done << "0"
                                     << "0,00";
    QTest::newRow("part of it, value from the cost") << "10"
                                                     << "4,10"
                                                     << "2,5" << Unload::Done << "7,5"
                                                     << "30,75";
    QTest::newRow("unreadable cost values nothing") << "10"
                                                    << "n.d."
                                                    << "1" << Unload::Done << "9"
                                                    << "0,00";
    QTest::newRow("nothing to unload") << "3"
                                       << "2"
                                       << "0" << Unload::Done << "3"
                                       << "6,00";
    QTest::newRow("above the stock") << "5"
                                     << "12,40"
                                     << "6" << Unload::AboveStock << ""
                                     << "";
    QTest::newRow("just above by a fraction") << "5"
                                              << "1"
                                              << "5,0001" << Unload::AboveStock << ""
                                              << "";
    QTest::newRow("negative stock") << "-2"
                                    << "1"
                                    << "1" << Unload::AboveStock << ""
                                    << "";
    QTest::newRow("stock not a number") << "tanti"
                                        << "1"
                                        << "1" << Unload::Unreadable << ""
                                        << "";
    QTest::newRow("quantity not a number") << "5"
                                           << "1"
                                           << "1,,2" << Unload::Unreadable << ""
                                           << "";
    QTest::newRow("empty quantity") << "5"
                                    << "1"
                                    << "" << Unload::Unreadable << ""
                                    << "";
}

void TestItemImport::unload()
{
    QFETCH(QString, stock);
    QFETCH(QString, cost);
    QFETCH(QString, quantity);
    QFETCH(Unload, outcome);
    QFETCH(QString, newStock);
    QFETCH(QString, newValue);
    TestFolder folder;
    const QString name = QStringLiteral("Magazzino.pro");
    const QByteArray before =
        item({{Codice, "A1"}, {Giacenza, "1"}}) +
        item({{Codice, "B2"}, {Descrizione, "Vite"}, {Giacenza, stock}, {Costo, cost}, {Valore, "99,00"}}) +
        item({{Codice, "C3"}, {Giacenza, "1"}});
    folder.write(name, before);

    const ItemImport::UnloadResult result = ItemImport::unload(folder.file(name), 2, quantity);
    QCOMPARE(result.outcome, outcome);
    const QByteArray after = folder.read(name);
    if (outcome != Unload::Done) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(stored(after, 2, Giacenza), newStock);
    QCOMPARE(stored(after, 2, Valore), newValue);
    QCOMPARE(result.giacenza, newStock);
    QCOMPARE(ItemImport::lineCopy(result.item).codice, QStringLiteral("B2"));
    const int size = layout().recordSize();
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.left(size), before.left(size));
    QCOMPARE(after.mid(2 * size), before.mid(2 * size));
}

// Bytes the program does not know about (an older copy's leftovers past a field's text) survive:
// only the stock and the value are written.
void TestItemImport::unloadLeavesEveryOtherByte()
{
    TestFolder folder;
    const QString name = QStringLiteral("Magazzino.pro");
    QByteArray record = item({{Codice, "VITE"}, {Note, "ok"}, {Giacenza, "8"}, {Costo, "1"}});
    const int noteTail = layout().offset(Note) + 1 + 10;
    record[noteTail] = 'X';
    folder.write(name, record);
    QCOMPARE(ItemImport::unload(folder.file(name), 1, QStringLiteral("3")).outcome, Unload::Done);
    QByteArray expected = record;
    const auto patch = [&](int field, const QByteArray &text) {
        QByteArray bytes(layout().capacity(field) + 1, '\0');
        bytes[0] = char(text.size());
        bytes.replace(1, text.size(), text);
        expected.replace(layout().offset(field), bytes.size(), bytes);
    };
    patch(Giacenza, "5");
    patch(Valore, "5,00");
    QCOMPARE(folder.read(name), expected);
}

void TestItemImport::unloadPastTheEnd()
{
    TestFolder folder;
    const QString name = QStringLiteral("Magazzino.pro");
    const QByteArray before = item({{Codice, "A"}, {Giacenza, "4"}});
    folder.write(name, before);
    QCOMPARE(ItemImport::unload(folder.file(name), 2, QStringLiteral("1")).outcome, Unload::NoSuchRecord);
    QCOMPARE(ItemImport::read(folder.file(name), 2), std::nullopt);
    QCOMPARE(folder.read(name), before);
}

void TestItemImport::listLine_data()
{
    QTest::addColumn<QString>("codice");
    QTest::addColumn<QString>("descrizione");
    QTest::addColumn<QString>("prezzo");
    QTest::addColumn<QString>("giacenza");
    QTest::addColumn<QString>("line");
    QTest::newRow("columns") << "PN-205"
                             << "Pneumatico"
                             << "80,00"
                             << "4"
                             << QStringLiteral("PN-205") + QString(24, u' ') +
                                    QStringLiteral("  Pneumatico") + QString(35, u' ') +
                                    QStringLiteral("  Prezzo: 80,00") + QString(10, u' ') +
                                    QStringLiteral("  Giacenza: 4");
    QTest::newRow("long description cut at 45")
        << "X" << QString(50, u'd') << "1"
        << "2"
        << QStringLiteral("X") + QString(29, u' ') + QStringLiteral("  ") + QString(45, u'd') +
               QStringLiteral("  Prezzo: 1") + QString(14, u' ') + QStringLiteral("  Giacenza: 2");
    QTest::newRow("no stock: the end trimmed")
        << "X"
        << ""
        << ""
        << ""
        << QStringLiteral("X") + QString(29, u' ') + QStringLiteral("  ") + QString(45, u' ') +
               QStringLiteral("  Prezzo: ") + QString(15, u' ') + QStringLiteral("  Giacenza:");
}

void TestItemImport::listLine()
{
    QFETCH(QString, codice);
    QFETCH(QString, descrizione);
    QFETCH(QString, prezzo);
    QFETCH(QString, giacenza);
    QFETCH(QString, line);
    const QByteArray bytes =
        item({{Codice, codice}, {Descrizione, descrizione}, {Prezzo, prezzo}, {Giacenza, giacenza}});
    QCOMPARE(ItemImport::lineOf(RecordView(layout(), bytes.constData())), line);
}

void TestItemImport::searchMatchesEveryFilledCriterion()
{
    TestFolder folder;
    const QString name = QStringLiteral("Magazzino.pro");
    folder.write(name,
                 item({{Codice, "zz-AB"}, {Marca, "Acme"}}) + item({{Codice, "xAbx"}, {Marca, "Other"}}) +
                     item({{Codice, "cd"}, {Marca, "Acme"}}) + item({{Codice, "ab1"}, {Marca, "ACME"}}));
    const auto codes = [&](const std::vector<ListService::Criterion> &criteria) {
        QStringList out;
        for (const ListText::Line &l : ItemImport::search(folder.file(name), criteria))
            out << QStringLiteral("%1:%2").arg(l.position).arg(l.text.section(u' ', 0, 0));
        return out;
    };
    QCOMPARE(codes({{Codice, QStringLiteral("ab")}}), (QStringList{"4:ab1", "2:xAbx", "1:zz-AB"}));
    QCOMPARE(codes({{Codice, QStringLiteral("ab")}, {Marca, QStringLiteral("acme")}}),
             (QStringList{"4:ab1", "1:zz-AB"}));
    QCOMPARE(codes({{Codice, QStringLiteral("  ")}}).size(), 4);
    // A missing archive is created, empty.
    QVERIFY(ItemImport::search(folder.file(QStringLiteral("Nuovo.pro")), {}).empty());
    QVERIFY(folder.exists(QStringLiteral("Nuovo.pro")));
}

void TestItemImport::leaveQuantity_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("whole") << "3"
                           << "3";
    QTest::newRow("trailing zeros go") << "2,50"
                                       << "2,5";
    QTest::newRow("four decimals kept") << "1,2345"
                                        << "1,2345";
    QTest::newRow("fifth decimal rounds") << "1,23456"
                                          << "1,2346";
    QTest::newRow("leading comma") << ",5"
                                   << "0,5";
    QTest::newRow("two commas") << "1,,2"
                                << "0";
    QTest::newRow("a lone comma") << ","
                                  << "0";
    QTest::newRow("empty stays empty") << ""
                                       << "";
}

void TestItemImport::leaveQuantity()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(ItemImport::leaveQuantity(typed), shown);
}

QTEST_MAIN(TestItemImport)
#include "tst_itemimport.moc"
