#include "ExportFileParts.h"
#include "ExportFixtures.h"
#include "TestFolder.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "core/SysIo.h"
#include "services/ExportMembers.h"

#include <QBuffer>
#include <QDir>
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

// Many customers, enough for several write blocks and read blocks, with values to escape.
QByteArray manyCustomers(int count)
{
    using namespace Clienti;
    QByteArray archive;
    for (int i = 0; i < count; ++i)
        archive += ExportFixtures::record(
            layout(), {{Cognome, QStringLiteral("Rossi %1").arg(i)},
                       {Nome, i % 3 ? QStringLiteral("Anna") : QString()},
                       {CapRes, QStringLiteral("%1").arg(i % 1000, 5, 10, QLatin1Char('0'))},
                       {Note, QStringLiteral("Sconto < %1 € & più").arg(i)},
                       {Questioni, QString(i % 250, u'x')}});
    return archive;
}

QByteArray damagedCustomer()
{
    QByteArray bytes = ExportFixtures::customers().left(Clienti::layout().recordSize());
    const int cognome = Clienti::layout().offset(Clienti::Cognome);
    bytes[cognome] = char(200);
    bytes.replace(cognome + 1, 50, QByteArray(48, '<') + "\n&");
    bytes[Clienti::layout().offset(Clienti::CapRes) + 3] = '\0';
    return bytes;
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
    void streamedExportWritesTheTableBytes_data();
    void streamedExportWritesTheTableBytes();
    void failedStreamedExportKeepsThePreviousFile_data();
    void failedStreamedExportKeepsThePreviousFile();
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

void TestExportTable::streamedExportWritesTheTableBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("archive");
    QTest::newRow("customers") << QStringLiteral("customers") << ExportFixtures::customers();
    QTest::newRow("quotes: joined and right-aligned cells")
        << QStringLiteral("quotes") << ExportFixtures::quotes();
    QTest::newRow("damaged record") << QStringLiteral("customers") << damagedCustomer();
    QTest::newRow("empty archive") << QStringLiteral("customers") << QByteArray();
    QTest::newRow("thousands of rows over many blocks")
        << QStringLiteral("customers") << manyCustomers(12000);
}

void TestExportTable::streamedExportWritesTheTableBytes()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, archive);
    TestFolder dir;
    dir.write(QStringLiteral("a.dat"), archive);
    const ExportMember &member = *ExportMembers::forKind(kind);
    const Archive source(dir.file(QStringLiteral("a.dat")), member.layout->recordSize());
    QVERIFY(ExportMembers::exportArchive(member, source, dir.file(QStringLiteral("streamed.xls"))));
    QVERIFY(ExportMembers::saveFile(ExportMembers::readArchive(member, source), member.sheetName,
                                    dir.file(QStringLiteral("table.xls"))));
    const QByteArray streamed = dir.read(QStringLiteral("streamed.xls"));
    QVERIFY(streamed == dir.read(QStringLiteral("table.xls")));
    QCOMPARE(ExportFileParts::rows(streamed).size(), 1 + archive.size() / member.layout->recordSize());
}

void TestExportTable::failedStreamedExportKeepsThePreviousFile_data()
{
    QTest::addColumn<bool>("readFails");
    QTest::newRow("the archive cannot be read halfway") << true;
    QTest::newRow("the file cannot be written") << false;
}

void TestExportTable::failedStreamedExportKeepsThePreviousFile()
{
    QFETCH(bool, readFails);
    TestFolder dir;
    // More records than one read block holds, so the failing read comes after rows were written.
    dir.write(QStringLiteral("a.dat"), manyCustomers(1000));
    const ExportMember &member = *ExportMembers::forKind(QStringLiteral("customers"));
    const Archive source(dir.file(QStringLiteral("a.dat")), member.layout->recordSize());
    const QString out = dir.file(QStringLiteral("out.xls"));
    if (readFails) {
        dir.write(QStringLiteral("out.xls"), "previous export");
        int reads = 0;
        SysIo::setFaultHook(
            [&](SysIo::Call call) { return call == SysIo::Call::PRead && ++reads == 2 ? EIO : 0; });
        QVERIFY_THROWS_EXCEPTION(ArchiveError, ExportMembers::exportArchive(member, source, out));
        SysIo::clearFaultHook();
        QCOMPARE(reads, 2);
        QCOMPARE(dir.read(QStringLiteral("out.xls")), QByteArray("previous export"));
    } else {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out.xls")));
        dir.write(QStringLiteral("out.xls/inside"), "kept");
        QVERIFY(!ExportMembers::exportArchive(member, source, out));
        QCOMPARE(dir.read(QStringLiteral("out.xls/inside")), QByteArray("kept"));
    }
    // No half-written file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), readFails ? 2 : 1);
}

QTEST_GUILESS_MAIN(TestExportTable)
#include "tst_exporttable.moc"
