// The archive lock between two copies of the program: it survives an unrelated open and close of
// the same file, a copy that holds it too long makes the other fail in time without touching a
// byte, a copy that dies releases it, and an action gives it back even when the file stays open
// elsewhere.

#include "Harness.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

constexpr int R = 64;
constexpr int kDeadlineMs = 400;

QByteArray rec(int n)
{
    return SelfCheck::makeRecord(R, 1, n);
}

} // namespace

class TestLocks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void lockOutlivesUnrelatedOpenAndClose_data();
    void lockOutlivesUnrelatedOpenAndClose();
    void holderPastDeadlineMakesActionFail_data();
    void holderPastDeadlineMakesActionFail();
    void killedHolderReleasesLock();
    void lockRefusals_data();
    void lockRefusals();
    void lockIsGivenBackWhileFileStaysOpen_data();
    void lockIsGivenBackWhileFileStaysOpen();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestLocks::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("Clienti.pro"));
    Harness::writeFile(m_path, rec(1) + rec(2) + rec(3));
    RecordFile::setLockDeadlineMs(kDeadlineMs);
}

void TestLocks::cleanup()
{
    RecordFile::setLockDeadlineMs(5000);
}

void TestLocks::lockOutlivesUnrelatedOpenAndClose_data()
{
    QTest::addColumn<bool>("holderIsHelper");
    QTest::newRow("another process holds, this one waits") << true;
    QTest::newRow("this process holds, another one waits") << false;
}

void TestLocks::lockOutlivesUnrelatedOpenAndClose()
{
    QFETCH(bool, holderIsHelper);
    const QByteArray before = Harness::readFile(m_path);
    if (holderIsHelper) {
        Harness::LockHolder holder;
        QVERIFY(holder.start(m_path, 10000, true));
        QElapsedTimer t;
        t.start();
        QVERIFY_THROWS_EXCEPTION(ArchiveError, Archive(m_path, R).append(rec(4)));
        QVERIFY(t.elapsed() >= kDeadlineMs);
    } else {
        RecordFile holder(m_path, R);
        holder.openOrCreate(RecordFile::Access::Write);
        // Unrelated opens and closes of the same file in this process.
        QFile other(m_path);
        QVERIFY(other.open(QIODevice::ReadOnly));
        other.close();
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        ::close(fd);
        const Harness::Result r = Harness::runHelper({QStringLiteral("--deadline"),
                                                      QString::number(kDeadlineMs), QStringLiteral("action"),
                                                      m_path, QString::number(R), QStringLiteral("append")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY2(r.err.contains("ArchiveError"), r.err.constData());
        holder.close();
    }
    QCOMPARE(Harness::readFile(m_path), before);
    // Once the holder is gone the same action goes through.
    QCOMPARE(Archive(m_path, R).append(rec(4)), 4);
}

void TestLocks::holderPastDeadlineMakesActionFail_data()
{
    QTest::addColumn<QString>("action");
    for (const char *a :
         {"touch", "count", "readAt", "append", "overwrite", "overwriteIfUnchanged", "modify", "scan"})
        QTest::newRow(a) << QString::fromLatin1(a);
}

void TestLocks::holderPastDeadlineMakesActionFail()
{
    QFETCH(QString, action);
    const Archive archive(m_path, R);
    const QByteArray before = Harness::readFile(m_path);
    Harness::LockHolder holder;
    QVERIFY(holder.start(m_path, 10000, false));

    QElapsedTimer t;
    t.start();
    try {
        if (action == QLatin1String("touch"))
            archive.touch();
        else if (action == QLatin1String("count"))
            archive.count();
        else if (action == QLatin1String("readAt"))
            archive.readAt(2);
        else if (action == QLatin1String("append"))
            archive.append(rec(9));
        else if (action == QLatin1String("overwrite"))
            archive.overwrite(2, rec(9));
        else if (action == QLatin1String("overwriteIfUnchanged"))
            archive.overwriteIfUnchanged(2, rec(9), rec(2));
        else if (action == QLatin1String("modify"))
            archive.modify(2, [](const QByteArray &) { return std::optional<QByteArray>(rec(9)); });
        else
            archive.scan([](qint64, const char *) { return true; });
        QFAIL("the action went through while another copy held the lock");
    } catch (const ArchiveError &) {
    }
    const qint64 elapsed = t.elapsed();
    qInfo("%s failed after %lld ms (deadline %d ms)", qPrintable(action), elapsed, kDeadlineMs);
    QVERIFY(elapsed >= kDeadlineMs);
    QVERIFY(elapsed < kDeadlineMs + 1000);
    QCOMPARE(Harness::readFile(m_path), before);
}

void TestLocks::killedHolderReleasesLock()
{
    Harness::LockHolder holder;
    QVERIFY(holder.start(m_path, 60000, false));
    ::kill(pid_t(holder.process()->processId()), SIGKILL);
    QVERIFY(holder.process()->waitForFinished());
    QElapsedTimer t;
    t.start();
    QCOMPARE(Archive(m_path, R).append(rec(4)), 4);
    QVERIFY(t.elapsed() < kDeadlineMs);
}

void TestLocks::lockRefusals_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("refusals"); // -1: for ever
    QTest::addColumn<bool>("granted");
    QTest::addColumn<bool>("waits");
    QTest::newRow("EAGAIN a while, then granted") << EAGAIN << 5 << true << true;
    QTest::newRow("EACCES a while, then granted") << EACCES << 5 << true << true;
    // How the SMB client reports a range that another workstation holds.
    QTest::newRow("EIO a while, then granted") << EIO << 5 << true << true;
    QTest::newRow("EIO past the deadline") << EIO << -1 << false << true;
    QTest::newRow("EAGAIN past the deadline") << EAGAIN << -1 << false << true;
    // A file system without locks: every action would fail, so it goes on unlocked at once.
    QTest::newRow("ENOLCK") << ENOLCK << -1 << true << false;
    QTest::newRow("EINVAL") << EINVAL << -1 << true << false;
}

void TestLocks::lockRefusals()
{
    QFETCH(int, error);
    QFETCH(int, refusals);
    QFETCH(bool, granted);
    QFETCH(bool, waits);
    const QByteArray before = Harness::readFile(m_path);
    int asked = 0;
    SysIo::setFaultHook([&](SysIo::Call c) {
        if (c != SysIo::Call::Fcntl)
            return 0;
        return refusals < 0 || asked++ < refusals ? error : 0;
    });
    QElapsedTimer t;
    t.start();
    bool threw = false;
    try {
        Archive(m_path, R).append(rec(4));
    } catch (const ArchiveError &) {
        threw = true;
    }
    const qint64 elapsed = t.elapsed();
    SysIo::clearFaultHook();
    QCOMPARE(!threw, granted);
    if (waits && !granted) {
        QVERIFY(elapsed >= kDeadlineMs);
        QVERIFY(elapsed < kDeadlineMs + 1000);
    } else if (waits) {
        // Asked again after a pause (at least a millisecond) each time until granted, then given
        // back with one more call.
        QCOMPARE(asked, refusals + 2);
        QVERIFY(elapsed >= refusals);
    } else {
        QVERIFY(elapsed < kDeadlineMs);
    }
    QCOMPARE(Harness::readFile(m_path), granted ? before + rec(4) : before);
}

// The Linux SMB client may serve several opens of one file with a single server handle, which
// keeps a lock of this kind until the handle closes. Locally the same happens when the open file
// description outlives the descriptor: here a copy of the descriptor is kept just before each close.
void TestLocks::lockIsGivenBackWhileFileStaysOpen_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("failing"); // the call that fails, or -1
    QTest::newRow("append") << QStringLiteral("append") << -1;
    QTest::newRow("read") << QStringLiteral("readAt") << -1;
    QTest::newRow("append whose sync fails") << QStringLiteral("append") << int(SysIo::Call::FDataSync);
    QTest::newRow("append whose write fails") << QStringLiteral("append") << int(SysIo::Call::PWrite);
}

void TestLocks::lockIsGivenBackWhileFileStaysOpen()
{
    QFETCH(QString, action);
    QFETCH(int, failing);
    const QString target = QFileInfo(m_path).canonicalFilePath();
    QList<int> kept;
    SysIo::setFaultHook([&](SysIo::Call c) {
        if (c == SysIo::Call::Close) {
            const QDir fds(QStringLiteral("/proc/self/fd"));
            for (const QString &fd : fds.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot))
                if (QFile::symLinkTarget(fds.filePath(fd)) == target)
                    kept << ::dup(fd.toInt());
        }
        return int(c) == failing ? EIO : 0;
    });
    bool threw = false;
    try {
        if (action == QLatin1String("append"))
            Archive(m_path, R).append(rec(4));
        else
            Archive(m_path, R).readAt(2);
    } catch (const ArchiveError &) {
        threw = true;
    }
    SysIo::clearFaultHook();
    QCOMPARE(threw, failing >= 0);
    QCOMPARE(kept.size(), 1);
    QVERIFY(kept[0] >= 0);

    // Another open file description asks for the whole file: nothing may stand in its way.
    const int other = ::open(QFile::encodeName(m_path).constData(), O_RDWR);
    QVERIFY(other >= 0);
    struct flock fl = {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    QVERIFY(::fcntl(other, F_OFD_GETLK, &fl) == 0);
    ::close(other);
    ::close(kept[0]);
    QCOMPARE(fl.l_type, short(F_UNLCK));
}

QTEST_GUILESS_MAIN(TestLocks)
#include "tst_locks.moc"
