#include "TestFolder.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"

#include <QtTest>
#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

constexpr int R = 16;

QByteArray rec(char c)
{
    return QByteArray(R, c);
}

// Large records, so that a scan needs many blocks; each begins with its 0-based number.
constexpr int big = 4886;

void writeNumbered(TestFolder &dir, int records)
{
    QByteArray content(qsizetype(records) * big, '\0');
    for (int i = 0; i < records; ++i)
        std::memcpy(content.data() + qsizetype(i) * big, &i, sizeof i);
    dir.write(QStringLiteral("2024.pre"), content);
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingArchiveIsCreatedEmpty();
    void partialTailIsIgnoredAndOverwritten();
    void overwriteTouchesOnlyItsRecord();
    void navigationReads();
    void existingUnopenableFileIsNeverRecreated();
    void missingFolderFails();
    void overwriteIfUnchangedDetectsAnotherWriter();
    void scanVisitsInFileOrderAcrossBlocks_data();
    void scanVisitsInFileOrderAcrossBlocks();
    void threadedScanHandsOverInFileOrder_data();
    void threadedScanHandsOverInFileOrder();
    void writeLockWaitsThenFails();
};

void TestRecordFile::missingArchiveIsCreatedEmpty()
{
    TestFolder dir;
    Archive a(dir.file(QStringLiteral("Clienti.pro")), R);
    QCOMPARE(a.count(), 0);
    QVERIFY(dir.exists(QStringLiteral("Clienti.pro")));
    QVERIFY(!a.readFirst().has_value());
    QVERIFY(!a.readLast().has_value());
    QCOMPARE(a.append(rec('a')), 1);
    QCOMPARE(dir.read(QStringLiteral("Clienti.pro")), rec('a'));
}

void TestRecordFile::partialTailIsIgnoredAndOverwritten()
{
    TestFolder dir;
    dir.write(QStringLiteral("a.pro"), rec('1') + rec('2') + QByteArray(10, 'x'));
    Archive a(dir.file(QStringLiteral("a.pro")), R);
    QCOMPARE(a.count(), 2);
    int visited = 0;
    a.scan([&](qint64, const char *) {
        ++visited;
        return true;
    });
    QCOMPARE(visited, 2);
    QCOMPARE(a.append(rec('3')), 3);
    QCOMPARE(dir.read(QStringLiteral("a.pro")), rec('1') + rec('2') + rec('3'));
}

void TestRecordFile::overwriteTouchesOnlyItsRecord()
{
    TestFolder dir;
    QByteArray content;
    for (char c = 'a'; c < 'a' + 9; ++c)
        content += rec(c);
    dir.write(QStringLiteral("a.pro"), content);
    Archive a(dir.file(QStringLiteral("a.pro")), R);
    a.overwrite(7, rec('Z'));
    QByteArray expected = content;
    expected.replace(6 * R, R, rec('Z'));
    QCOMPARE(dir.read(QStringLiteral("a.pro")), expected);
}

void TestRecordFile::navigationReads()
{
    TestFolder dir;
    dir.write(QStringLiteral("a.pro"), rec('a') + rec('b') + rec('c'));
    Archive a(dir.file(QStringLiteral("a.pro")), R);
    QCOMPARE(a.readFirst()->position, 1);
    QCOMPARE(a.readFirst()->bytes, rec('a'));
    QCOMPARE(a.readLast()->position, 3);
    QCOMPARE(a.readLast()->bytes, rec('c'));
    QCOMPARE(a.readAt(2)->bytes, rec('b'));
    QVERIFY(!a.readAt(4).has_value());
    QVERIFY(!a.readAt(0).has_value());
}

void TestRecordFile::existingUnopenableFileIsNeverRecreated()
{
    TestFolder dir;
    // A directory in the archive's place cannot be opened for writing, even by root.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Clienti.pro")));
    Archive a(dir.file(QStringLiteral("Clienti.pro")), R);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, a.count());
    QVERIFY_THROWS_EXCEPTION(ArchiveError, a.append(rec('a')));
    QVERIFY(QFileInfo(dir.file(QStringLiteral("Clienti.pro"))).isDir());
}

void TestRecordFile::missingFolderFails()
{
    TestFolder dir;
    Archive a(dir.file(QStringLiteral("nowhere/Clienti.pro")), R);
    QVERIFY_THROWS_EXCEPTION(ArchiveError, a.touch());
}

void TestRecordFile::overwriteIfUnchangedDetectsAnotherWriter()
{
    TestFolder dir;
    dir.write(QStringLiteral("a.pro"), rec('a') + rec('b'));
    Archive a(dir.file(QStringLiteral("a.pro")), R);
    QVERIFY(a.overwriteIfUnchanged(2, rec('c'), rec('b')));
    QCOMPARE(dir.read(QStringLiteral("a.pro")), rec('a') + rec('c'));
    QVERIFY(!a.overwriteIfUnchanged(2, rec('d'), rec('b')));
    QCOMPARE(dir.read(QStringLiteral("a.pro")), rec('a') + rec('c'));
}

// Large records, so a scan needs several 1 MiB blocks (214 records each); past two blocks the
// next block is read while the caller works on this one.
void TestRecordFile::scanVisitsInFileOrderAcrossBlocks_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("stopAt");      // the record whose visit stops the scan, 0 for none
    QTest::addColumn<int>("failingRead"); // the read that fails, 0 for none
    QTest::addColumn<bool>("shortReads"); // every read gives at most half of what was asked
    QTest::addColumn<int>("visited");
    QTest::newRow("two blocks") << 300 << 0 << 0 << false << 300;
    QTest::newRow("many blocks") << 1500 << 0 << 0 << false << 1500;
    QTest::newRow("many blocks, short reads") << 1500 << 0 << 0 << true << 1500;
    QTest::newRow("stopped in the first block") << 1500 << 5 << 0 << false << 5;
    QTest::newRow("stopped on a block's last record") << 1500 << 428 << 0 << false << 428;
    QTest::newRow("stopped in the last block") << 1500 << 1499 << 0 << false << 1499;
    QTest::newRow("first read fails") << 1500 << 0 << 1 << false << 0;
    QTest::newRow("third read fails: two blocks were visited") << 1500 << 0 << 3 << false << 428;
    QTest::newRow("last read fails") << 1500 << 0 << 8 << false << 1498;
    QTest::newRow("a read fails in a small file") << 300 << 0 << 2 << false << 214;
}

void TestRecordFile::scanVisitsInFileOrderAcrossBlocks()
{
    QFETCH(int, records);
    QFETCH(int, stopAt);
    QFETCH(int, failingRead);
    QFETCH(bool, shortReads);
    QFETCH(int, visited);
    TestFolder dir;
    writeNumbered(dir, records);

    int reads = 0;
    SysIo::setFaultHook([&](SysIo::Call call) {
        if (call != SysIo::Call::PRead)
            return 0;
        ++reads;
        return reads == failingRead ? EIO : shortReads ? -1 : 0;
    });
    QList<int> seen;
    bool failed = false;
    try {
        Archive(dir.file(QStringLiteral("2024.pre")), big).scan([&](qint64 position, const char *bytes) {
            int v;
            std::memcpy(&v, bytes, sizeof v);
            seen << (v == position - 1 ? v : -1); // positions are 1-based
            return position != stopAt;
        });
    } catch (const ArchiveError &) {
        failed = true;
    }
    SysIo::clearFaultHook();
    QCOMPARE(failed, failingRead != 0);
    QCOMPARE(seen.size(), visited);
    for (int i = 0; i < seen.size(); ++i)
        QCOMPARE(seen[i], i);
}

// The threaded scan: every block is worked on by whichever thread read it, into that thread's
// slot, and handed over in file order. After a failure, exactly the blocks before the failing
// one have been handed over.
void TestRecordFile::threadedScanHandsOverInFileOrder_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("failAt");  // the record whose block fails, -1 for none
    QTest::addColumn<QString>("how"); // "read", "work" or "deliver"
    QTest::addColumn<bool>("shortReads");
    // clang-format off
    QTest::newRow("empty") << 0 << -1 << "" << false;
    QTest::newRow("one record") << 1 << -1 << "" << false;
    QTest::newRow("many blocks") << 3000 << -1 << "" << false;
    QTest::newRow("many blocks, short reads") << 3000 << -1 << "" << true;
    QTest::newRow("first block's read fails") << 3000 << 0 << "read" << false;
    QTest::newRow("a middle block's read fails") << 3000 << 1700 << "read" << false;
    QTest::newRow("the last block's read fails") << 3000 << 2999 << "read" << false;
    QTest::newRow("the work on a middle block fails") << 3000 << 1200 << "work" << false;
    QTest::newRow("handing over a middle block fails") << 3000 << 900 << "deliver" << false;
    QTest::newRow("a read fails in a small file") << 60 << 59 << "read" << false;
    // clang-format on
}

void TestRecordFile::threadedScanHandsOverInFileOrder()
{
    QFETCH(int, records);
    QFETCH(int, failAt);
    QFETCH(QString, how);
    QFETCH(bool, shortReads);
    TestFolder dir;
    writeNumbered(dir, records);

    const qint64 failOffset = failAt < 0 ? -1 : qint64(failAt) * big;
    SysIo::setReadFaultHook([&](off_t offset, size_t count) {
        if (how == QLatin1String("read") && offset <= failOffset && failOffset < offset + off_t(count))
            return EIO;
        return shortReads ? -1 : 0;
    });
    // What each slot holds: the markers of its block's records, checked against their positions.
    std::vector<QList<int>> slots(static_cast<size_t>(RecordFile::scanSlots()));
    std::atomic<qint64> perBlock{0}; // records in a whole block, once one was seen
    QList<int> handedOver;
    std::atomic<bool> handingOver{false};
    bool overlapped = false;
    bool failed = false;
    try {
        Archive(dir.file(QStringLiteral("2024.pre")), big)
            .scanBlocks(
                [&](int slot, qint64 first, const char *bytes, qint64 count) {
                    QList<int> &mine = slots[size_t(slot)];
                    mine.clear();
                    if (first == 1)
                        perBlock = count;
                    for (qint64 i = 0; i < count; ++i) {
                        int v;
                        std::memcpy(&v, bytes + i * big, sizeof v);
                        mine << (v == first + i - 1 ? v : -1);
                        if (how == QLatin1String("work") && v == failAt)
                            throw std::runtime_error("work");
                    }
                },
                [&](int slot) {
                    overlapped |= handingOver.exchange(true);
                    const QList<int> &mine = slots[size_t(slot)];
                    if (how == QLatin1String("deliver") && mine.contains(failAt))
                        throw std::runtime_error("deliver");
                    handedOver << mine;
                    handingOver = false;
                });
    } catch (const ArchiveError &) {
        failed = how == QLatin1String("read");
    } catch (const std::runtime_error &e) {
        failed = how == QLatin1String(e.what());
    }
    SysIo::clearFaultHook();
    QVERIFY(!overlapped);
    QCOMPARE(failed, failAt >= 0);
    for (int i = 0; i < handedOver.size(); ++i)
        QCOMPARE(handedOver[i], i);
    if (failAt < 0)
        QCOMPARE(handedOver.size(), records);
    else if (failAt < perBlock || perBlock == 0) // the first block failed
        QCOMPARE(handedOver.size(), 0);
    else // exactly the blocks before the failing one
        QCOMPARE(handedOver.size(), failAt / perBlock * perBlock);
}

void TestRecordFile::writeLockWaitsThenFails()
{
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("a.pro"));
    RecordFile::setLockDeadlineMs(300);
    RecordFile holder(path, R);
    holder.openOrCreate(RecordFile::Access::Write);
    // Another open file description of the same file (as another copy of the program has).
    Archive other(path, R);
    QElapsedTimer t;
    t.start();
    QVERIFY_THROWS_EXCEPTION(ArchiveError, other.append(rec('a')));
    QVERIFY(t.elapsed() >= 300);
    QVERIFY(t.elapsed() < 1300);
    holder.close();
    QCOMPARE(other.append(rec('a')), 1);
    // Readers share.
    RecordFile reader(path, R);
    reader.openOrCreate(RecordFile::Access::Read);
    QCOMPARE(other.count(), 1);
    reader.close();
    RecordFile::setLockDeadlineMs(5000);
}

QTEST_APPLESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
