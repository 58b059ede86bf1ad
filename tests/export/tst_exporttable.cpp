#include "ExportFileParts.h"
#include "ExportFixtures.h"
#include "TestFolder.h"
#include "core/Archive.h"
#include "services/ExportMembers.h"

#include <QBuffer>
#include <QTest>

namespace {

QByteArray writeTable(const ExportTable &table, const QString &sheet = QStringLiteral("S"))
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!table.write(buffer, sheet))
        qFatal("writing to a buffer failed");
    return buffer.data();
}

ExportTable tableOf(const QString &kind, const QByteArray &archive)
{
    TestFolder dir;
    dir.write(QStringLiteral("a.dat"), archive);
    const ExportMember &member = *ExportMembers::forKind(kind);
    return ExportMembers::readArchive(
        member, Archive(dir.file(QStringLiteral("a.dat")), member.layout->recordSize()));
}

} // namespace

class TestExportTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void customerRowsAsStored();
    void everyRowHasTheHeaderCells_data();
    void everyRowHasTheHeaderCells();
    void onlyTheQuoteTotalsAreRightAligned();
    void editsReachTheFileAndFollowTheirRow();
    void damagedRecordShowsWhatItsFieldsHold();
};

void TestExportTable::customerRowsAsStored()
{
    const QByteArray file = writeTable(tableOf(QStringLiteral("customers"), ExportFixtures::customers()),
                                       QStringLiteral("Riepilogo Clienti"));
    QVERIFY(file.contains("<x:Name>Riepilogo Clienti</x:Name>"));
    const auto rows = ExportFileParts::rows(file);
    QCOMPARE(rows.size(), 4);
    const QStringList rossi = {QStringLiteral("Rossi Mario"),
                               QStringLiteral("Rossi & Figli <srl>"),
                               {},
                               {},
                               {},
                               QStringLiteral("Forlì FC"),
                               QStringLiteral("00184"),
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               QStringLiteral("01234567897"),
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               {},
                               QStringLiteral("Sconto 10 € sul totale"),
                               QStringLiteral("0000000")};
    QCOMPARE(ExportFileParts::texts(rows[1]), rossi);
    // A missing name or surname leaves no stray blank.
    QCOMPARE(rows[2][0].text, QStringLiteral("Bianchi"));
    QCOMPARE(rows[3][0].text, QStringLiteral("Anna"));
    QCOMPARE(rows[3][22].text, QStringLiteral("1/2 < 3/4"));
    // The stored bytes reach the file as they are: "ì" and "€" one byte each.
    QVERIFY(file.contains(">Forl\xEC FC</td>"));
    QVERIFY(file.contains(">Sconto 10 \x80 sul totale</td>"));
    QVERIFY(file.contains(">Rossi &amp; Figli &lt;srl&gt;</td>"));
}

void TestExportTable::everyRowHasTheHeaderCells_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<int>("columns");
    QTest::newRow("customers") << QStringLiteral("customers") << ExportFixtures::customers() << 25;
    QTest::newRow("suppliers") << QStringLiteral("suppliers") << ExportFixtures::suppliers() << 22;
    QTest::newRow("items") << QStringLiteral("items") << ExportFixtures::items() << 23;
    QTest::newRow("quotes") << QStringLiteral("quotes") << ExportFixtures::quotes() << 25;
    QTest::newRow("deadlines") << QStringLiteral("deadlines") << ExportFixtures::deadlines() << 19;
    QTest::newRow("empty archive: the header row only") << QStringLiteral("customers") << QByteArray() << 25;
}

void TestExportTable::everyRowHasTheHeaderCells()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, archive);
    QFETCH(int, columns);
    const int recordSize = ExportMembers::forKind(kind)->layout->recordSize();
    const QByteArray file = writeTable(tableOf(kind, archive));
    const auto rows = ExportFileParts::rows(file);
    QCOMPARE(rows.size(), 1 + archive.size() / recordSize);
    for (const auto &row : rows)
        QCOMPARE(row.size(), columns);
    QVERIFY(!file.contains('\r') && !file.contains('\n'));
    QVERIFY(file.endsWith("</tr></table></body></html>"));
}

void TestExportTable::onlyTheQuoteTotalsAreRightAligned()
{
    const auto rows =
        ExportFileParts::rows(writeTable(tableOf(QStringLiteral("quotes"), ExportFixtures::quotes())));
    QString aligns;
    for (const auto &cell : rows[1])
        aligns += QLatin1Char(cell.align);
    QCOMPARE(aligns, QStringLiteral("LLLLLLLLLLLLLLLLLRRRRRRLL"));
    QCOMPARE(rows[1][22].text, QStringLiteral("1.220,00"));
    QCOMPARE(rows[1][24].text, QStringLiteral("Sì"));
}

void TestExportTable::editsReachTheFileAndFollowTheirRow()
{
    ExportTable table = tableOf(QStringLiteral("customers"), ExportFixtures::customers());
    table.setEdit(0, 23, QStringLiteral("  nuova <nota> Ω  "));
    table.setEdit(2, 13, QString());
    table.permute({2, 0, 1});
    QCOMPARE(table.number(0), 3);
    QCOMPARE(table.text(1, 23), QStringLiteral("  nuova <nota> Ω  "));
    const QByteArray file = writeTable(table);
    QVERIFY(file.contains(">nuova &lt;nota&gt; &#937;</td>"));
    const auto rows = ExportFileParts::rows(file);
    QCOMPARE(rows[1][0].text, QStringLiteral("Anna"));
    QCOMPARE(rows[2][0].text, QStringLiteral("Rossi Mario"));
    QCOMPARE(rows[2][13].text, QStringLiteral("01234567897"));
    QCOMPARE(rows[3][0].text, QStringLiteral("Bianchi"));
}

void TestExportTable::damagedRecordShowsWhatItsFieldsHold()
{
    // Cognome is Text(50): a length byte of 200 reads only its 50 bytes; a zero byte inside a value
    // is kept out of the file's text as a reference.
    QByteArray bytes = ExportFixtures::customers().left(Clienti::layout().recordSize());
    const int cognome = Clienti::layout().offset(Clienti::Cognome);
    bytes[cognome] = char(200);
    bytes.replace(cognome + 1, 50, QByteArray(49, 'X') + 'Y');
    const int cap = Clienti::layout().offset(Clienti::CapRes);
    bytes[cap + 3] = '\0';
    const ExportTable table = tableOf(QStringLiteral("customers"), bytes);
    QCOMPARE(table.text(0, 0), QString(QString(49, u'X') + QStringLiteral("Y Mario")));
    const QByteArray file = writeTable(table);
    QVERIFY(file.contains(">00&#0;84</td>"));
}

QTEST_GUILESS_MAIN(TestExportTable)
#include "tst_exporttable.moc"
