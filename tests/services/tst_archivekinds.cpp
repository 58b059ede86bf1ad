#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "quotes/PreventiviRecord.h"
#include "services/ArchiveKinds.h"

#include <QtTest>
#include <set>

// The registry is what every service reads: a field index or a name that is off here would show
// a wrong column in a search, a list or an export without any other test noticing.
class TestArchiveKinds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyKindIsRegisteredOnce();
    void tablesNameRealFields();
    void fileNames_data();
    void fileNames();
    void resultLine();
};

namespace {

void checkRecipe(const ArchiveKind &k, const LineRecipe &recipe, const char *what)
{
    for (const LinePiece &piece : recipe)
        for (const LinePart &part : piece.parts)
            QVERIFY2(part.field >= -1 && part.field < k.layout->fieldCount(),
                     qPrintable(k.name + u' ' + QLatin1StringView(what)));
}

} // namespace

void TestArchiveKinds::everyKindIsRegisteredOnce()
{
    const auto &all = ArchiveKinds::all();
    QCOMPARE(all.size(), size_t(5));
    std::set<QString> names, tags;
    std::set<int> ids;
    for (const ArchiveKind *k : all) {
        QVERIFY(names.insert(k->name).second);
        QVERIFY(tags.insert(k->modeTag).second);
        QVERIFY(ids.insert(int(k->id)).second);
        QCOMPARE(&ArchiveKinds::get(k->id), k);
        QCOMPARE(ArchiveKinds::byName(k->name), k);
        QCOMPARE(ArchiveKinds::byModeTag(k->modeTag), k);
        QVERIFY(k->layout);
        QVERIFY(!k->caption.isEmpty());
        QVERIFY(k->yearly() != k->yearSuffix.isEmpty());
    }
    QVERIFY(!ArchiveKinds::byName(QStringLiteral("Customers")));
}

void TestArchiveKinds::tablesNameRealFields()
{
    for (const ArchiveKind *k : ArchiveKinds::all()) {
        const RecordLayout &layout = *k->layout;
        // Offsets follow from the capacities, one length byte each.
        int offset = 0;
        for (int f = 0; f < layout.fieldCount(); ++f) {
            QCOMPARE(layout.offset(f), offset);
            offset += layout.capacity(f) + 1;
        }
        QCOMPARE(layout.recordSize(), offset);

        QCOMPARE(k->search.criteria.size(), size_t(10));
        std::set<int> criterionFields;
        for (const SearchCriterion &c : k->search.criteria) {
            QVERIFY2(c.field >= 0 && c.field < layout.fieldCount(), qPrintable(c.control));
            QVERIFY2(criterionFields.insert(c.field).second, qPrintable(c.control));
            // The criterion's edit is named after the field it searches.
            const QString name = layout.name(c.field);
            QCOMPARE(c.control,
                     name.startsWith(QLatin1StringView("txt")) ? name : QStringLiteral("txt") + name);
        }
        checkRecipe(*k, k->search.line, "search line");
        QVERIFY2(!k->exports.columns.isEmpty(), qPrintable(k->name));
        QCOMPARE(k->exports.layout, k->layout);
        for (const ExportTable::Column &column : k->exports.columns) {
            QVERIFY(!column.fields.isEmpty());
            for (int source : column.fields)
                QVERIFY2(source >= 0 && source < layout.fieldCount(), qPrintable(column.header));
        }
        // A printed card has 24 rows, each piece of them a field of this archive.
        if (!k->cardPrint.rows.isEmpty()) {
            QCOMPARE(k->cardPrint.rows.size(), 24);
            for (const CardPrint::Row &row : k->cardPrint.rows) {
                for (const CardPrint::Piece &piece : row.value) {
                    if (piece.kind != CardPrint::Piece::Kind::Literal)
                        QVERIFY2(piece.field >= 0 && piece.field < layout.fieldCount(),
                                 qPrintable(row.label));
                }
            }
        }
        for (const SummaryList &list : k->lists)
            checkRecipe(*k, list.line, "summary list line");
    }
}

void TestArchiveKinds::fileNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("kind");
    QTest::newRow("customers") << QStringLiteral("/x/Clienti.pro") << QStringLiteral("customers");
    QTest::newRow("suppliers") << QStringLiteral("Fornitori.pro") << QStringLiteral("suppliers");
    QTest::newRow("items") << QStringLiteral("a/Magazzino.pro") << QStringLiteral("items");
    QTest::newRow("quotes") << QStringLiteral("/p/2024.pre") << QStringLiteral("quotes");
    QTest::newRow("deadlines") << QStringLiteral("2031.sca") << QStringLiteral("deadlines");
    QTest::newRow("five-character year") << QStringLiteral("20245.pre") << QString();
    QTest::newRow("case matters") << QStringLiteral("clienti.pro") << QString();
    QTest::newRow("folder name does not count") << QStringLiteral("Clienti.pro/x") << QString();
}

void TestArchiveKinds::fileNames()
{
    QFETCH(QString, path);
    QFETCH(QString, kind);
    const ArchiveKind *k = ArchiveKinds::forFile(path);
    QCOMPARE(k ? k->name : QString(), kind);
    if (k && k->yearly())
        QCOMPARE(k->fileNameFor(2024), QStringLiteral("2024") + k->yearSuffix);
}

void TestArchiveKinds::resultLine()
{
    // Rossi Mario with a ten-digit telephone, a full tax code, living in Napoli, no notes.
    Record customer(Clienti::layout());
    customer.setText(Clienti::Cognome, QStringLiteral("Rossi"));
    customer.setText(Clienti::Nome, QStringLiteral("Mario"));
    customer.setText(Clienti::Recapito, QStringLiteral("3331234567"));
    customer.setText(Clienti::CodFisc, QStringLiteral("RSSMRA80A01F839X"));
    customer.setText(Clienti::ComuneRes, QStringLiteral("Napoli"));
    const QByteArray bytes = customer.encode();
    const ArchiveKind &k = ArchiveKinds::get(ArchiveKindId::Customers);
    QCOMPARE(buildLine(k.search.line, RecordView(*k.layout, bytes.constData())),
             QStringLiteral("Rossi Mario") + QString(19, u' ') + QStringLiteral("  Tel. 3331234567      ") +
                 QStringLiteral("  C.F. RSSMRA80A01F839X  Citt\u00E0: Napoli") + QString(22, u' ') +
                 QStringLiteral("  "));

    // The quote's first column is the prefix, then number and date together cut or padded to 25:
    // a number of five digits keeps the whole year.
    Record quote(Preventivi::layout());
    quote.setText(Preventivi::txtNumFatt, QStringLiteral("12345"));
    quote.setText(Preventivi::txtData, QStringLiteral("15/03/2024"));
    quote.setText(Preventivi::txtTotFattura, QStringLiteral("122,00"));
    const QByteArray q = quote.encode();
    const ArchiveKind &quotes = ArchiveKinds::get(ArchiveKindId::Quotes);
    const QString line = buildLine(quotes.search.line, RecordView(*quotes.layout, q.constData()));
    QVERIFY2(line.startsWith(QStringLiteral("Prev. n. 12345 del 15/03/2024") + QString(5 + 2 + 35, u' ') +
                             QStringLiteral("  P.I. ")),
             qPrintable(line));
    QVERIFY2(line.endsWith(QStringLiteral("  Tot. \u20AC 122,00")), qPrintable(line));
}

QTEST_APPLESS_MAIN(TestArchiveKinds)
#include "tst_archivekinds.moc"
