#include "core/ListLines.h"
#include "core/ListText.h"
#include "core/Record.h"
#include "core/RecordView.h"

#include <QtTest>

class TestListText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fix_data();
    void fix();
    void caseFoldingTouchesOnlyAToZ();
    void order_data();
    void order();
    void equalLinesKeepFileOrder();
    void sortBeyondTheFirstBytes_data();
    void sortBeyondTheFirstBytes();
    void linesBuiltPieceByPiece();
    void sortAgreesWithTheListOrder();
    void contains_data();
    void contains();
    void viewReadsRawBytesWithinCapacity();
};

void TestListText::fix_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("padded") << QStringLiteral("Rossi") << 8 << QStringLiteral("Rossi   ");
    QTest::newRow("cut") << QStringLiteral("Rossi Mario") << 5 << QStringLiteral("Rossi");
    QTest::newRow("exact") << QStringLiteral("Rossi") << 5 << QStringLiteral("Rossi");
    QTest::newRow("empty") << QString() << 3 << QStringLiteral("   ");
    QTest::newRow("euro counts once") << QStringLiteral("\u20AC 10") << 6 << QStringLiteral("\u20AC 10  ");
}

void TestListText::fix()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(ListText::fix(text, width), expected);
}

void TestListText::caseFoldingTouchesOnlyAToZ()
{
    QCOMPARE(ListText::upperAZ(QStringLiteral("citt\u00E0 z\u00E8ta")),
             QStringLiteral("CITT\u00E0 Z\u00E8TA"));
    QCOMPARE(ListText::lowerAZ(QStringLiteral("\u00C8 ROSSI")), QStringLiteral("\u00C8 rossi"));
}

void TestListText::order_data()
{
    // clang-format off
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("case ignored for letters") << QStringLiteral("bianchi") << QStringLiteral("Rossi");
    QTest::newRow("underscore after letters") << QStringLiteral("ROSSI") << QStringLiteral("_ROSSI");
    QTest::newRow("underscore after lower-case letters too") << QStringLiteral("zeta") << QStringLiteral("_");
    QTest::newRow("blank first") << QStringLiteral("Rossi Anna") << QStringLiteral("RossiAnna");
    QTest::newRow("digits before letters") << QStringLiteral("10") << QStringLiteral("a");
    QTest::newRow("accented letter by its byte, after Z") << QStringLiteral("Zeta") << QStringLiteral("\u00C8lite");
    QTest::newRow("case differences, then a difference past sixteen bytes")
        << QStringLiteral("rossi mario     Tel. 06 1234 a") << QStringLiteral("ROSSI MARIO     TEL. 06 1234 B");
    QTest::newRow("the same past sixteen bytes, then shorter")
        << QStringLiteral("Rossi Mario     Tel. 06 1234") << QStringLiteral("ROSSI MARIO     TEL. 06 1234 ");
    QTest::newRow("euro (0x80) before accented letters")
        << QStringLiteral("\u20AC") << QStringLiteral("\u00E0");
    QTest::newRow("shorter first") << QStringLiteral("Ross") << QStringLiteral("rossi");
    // clang-format on
}

void TestListText::order()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(ListText::listLess(first, second));
    QVERIFY(!ListText::listLess(second, first));
}

void TestListText::equalLinesKeepFileOrder()
{
    ListText::Lines lines;
    lines.add(1, QStringLiteral("Verdi"));
    lines.add(2, QStringLiteral("rossi"));
    lines.add(3, QStringLiteral("ROSSI"));
    lines.add(4, QStringLiteral("Bianchi"));
    lines.add(5, QStringLiteral("Rossi"));
    lines.sort();
    QList<qint64> order;
    for (const auto &l : lines)
        order << l.position;
    QCOMPARE(order, (QList<qint64>{4, 2, 3, 5, 1}));
}

namespace {

const RecordLayout &twoFields()
{
    static const RecordLayout layout(QStringLiteral("T"), {{"A", 10}, {"B", 5}});
    return layout;
}

} // namespace

// The sort settles most pairs on their first eight bytes; these lines agree there.
void TestListText::sortBeyondTheFirstBytes_data()
{
    QTest::addColumn<QStringList>("texts"); // added with positions 1, 2, ...
    QTest::addColumn<QList<qint64>>("order");
    QTest::newRow("ninth character, case folded")
        << QStringList{"Rossi Mario B", "ROSSI MARIO a", "rossi mario C"} << QList<qint64>{2, 1, 3};
    QTest::newRow("a line before the longer ones it begins")
        << QStringList{"Rossi Mario", "Rossi Ma", "Rossi Mar", "Ross"} << QList<qint64>{4, 2, 3, 1};
    QTest::newRow("a control character inside, and a shorter line")
        << QStringList{"Bianchix", "Bianchi", "Bianchi"} << QList<qint64>{2, 3, 1};
    QTest::newRow("equal when folded: file order")
        << QStringList{"Bianchi Anna x", "BIANCHI ANNA X", "bianchi anna X"} << QList<qint64>{1, 2, 3};
    QTest::newRow("bytes above 0x7F after the letters")
        << QStringList{"Città di Castello", "Citta di Castello", "Citt€", "Citt_"}
        << QList<qint64>{2, 4, 3, 1};
}

void TestListText::sortBeyondTheFirstBytes()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<qint64>, order);
    ListText::Lines lines;
    for (qsizetype i = 0; i < texts.size(); ++i)
        lines.add(i + 1, texts[i]);
    lines.sort();
    QList<qint64> got;
    for (qsizetype i = 0; i < lines.size(); ++i)
        got << lines.position(i);
    QCOMPARE(got, order);
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines.text(i), texts[order[i] - 1]);
}

// Pieces are padded and cut by characters, which the list holds as one byte each.
void TestListText::linesBuiltPieceByPiece()
{
    ListText::Lines lines;
    lines.append(QByteArrayView("Rossi"));
    lines.fit(0, 8);
    const qsizetype second = lines.pending();
    lines.append(QByteArrayView("Citt\xE0 \x80 lunga"));
    lines.fit(second, 7);
    lines.endLine(7);
    lines.add(3, u"Verdi \u20AC \u4E2D");
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.text(0), QStringLiteral("Rossi   Citt\u00E0 \u20AC"));
    QCOMPARE(lines.bytes(0).size(), 15);
    QCOMPARE(lines.position(0), 7);
    QCOMPARE(lines.at(1).text, QStringLiteral("Verdi \u20AC ?")); // not in the code page
    QCOMPARE(lines.texts().size(), 2);
}

// Many lines sharing long beginnings, differing in case, length and stray low bytes: the sorted
// list must follow the pairwise list order, equal lines in the order they were added.
void TestListText::sortAgreesWithTheListOrder()
{
    const QString alphabet = QStringLiteral("aAzZ{\u0060_ \u00E0\u00E1\u00FA\u0001") + QChar(0);
    QRandomGenerator random(20261211);
    ListText::Lines lines;
    for (int i = 0; i < 3000; ++i) {
        QString text = random.bounded(2) ? QStringLiteral("Rossi Mario Tel. ") : QString();
        const int length = int(random.bounded(20));
        for (int c = 0; c < length; ++c)
            text += alphabet[random.bounded(alphabet.size())];
        lines.add(i + 1, text);
    }
    lines.sort();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int c = ListText::compareListOrder(lines.bytes(i - 1), lines.bytes(i));
        QVERIFY2(c < 0 || (c == 0 && lines.position(i - 1) < lines.position(i)),
                 qPrintable(QStringLiteral("%1 before %2").arg(lines.text(i - 1), lines.text(i))));
    }
}

void TestListText::contains_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("criterion");
    QTest::addColumn<bool>("found");
    QTest::newRow("ross in Rossi") << QStringLiteral("Rossi") << QStringLiteral("ross") << true;
    QTest::newRow("ross in ROSSI") << QStringLiteral("ROSSI") << QStringLiteral("ross") << true;
    QTest::newRow("ross in Grossi") << QStringLiteral("Grossi") << QStringLiteral("ross") << true;
    QTest::newRow("ross not in Rosi") << QStringLiteral("Rosi") << QStringLiteral("ross") << false;
    QTest::newRow("trailing blank kept") << QStringLiteral("Rossi") << QStringLiteral("rossi ") << false;
    QTest::newRow("trailing blank inside") << QStringLiteral("De Rossi") << QStringLiteral("de ") << true;
    QTest::newRow("accents are not folded") << QStringLiteral("Citt\u00C0") << QStringLiteral("citt\u00E0") << false;
    QTest::newRow("accent itself") << QStringLiteral("Citt\u00E0") << QStringLiteral("CITT\u00E0") << true;
    QTest::newRow("euro") << QStringLiteral("10 \u20AC") << QStringLiteral("\u20AC") << true;
    QTest::newRow("not in the code page") << QStringLiteral("Lodz") << QStringLiteral("\u0141") << false;
    QTest::newRow("empty criterion") << QStringLiteral("Rossi") << QString() << true;
    QTest::newRow("longer than the field") << QStringLiteral("Ro") << QStringLiteral("ross") << false;
    // clang-format on
}

void TestListText::contains()
{
    QFETCH(QString, field);
    QFETCH(QString, criterion);
    QFETCH(bool, found);
    Record r(twoFields());
    r.setText(0, field);
    const QByteArray bytes = r.encode();
    QCOMPARE(RecordView(twoFields(), bytes.constData()).contains(0, RecordView::Needle(criterion)), found);
}

void TestListText::viewReadsRawBytesWithinCapacity()
{
    // A length byte over the capacity and stale bytes after the text, as long-used archives have.
    QByteArray bytes(twoFields().recordSize(), '\0');
    bytes[0] = char(200);
    bytes.replace(1, 10, "  Rossi   ");
    bytes[11] = char(2);
    bytes.replace(12, 5, "ab\x80zz");
    const RecordView view(twoFields(), bytes.constData());
    QCOMPARE(view.raw(0), QByteArrayView("Rossi"));
    QCOMPARE(view.text(0), QStringLiteral("Rossi"));
    QCOMPARE(view.text(1), QStringLiteral("ab"));
    QVERIFY(!view.contains(1, RecordView::Needle(QStringLiteral("\u20AC"))));
    QCOMPARE(view.text(0), Record::decode(twoFields(), bytes).text(0));
}

QTEST_APPLESS_MAIN(TestListText)
#include "tst_listtext.moc"
