// The archive lock between two copies of the program: it survives an unrelated open and close of
// the same file, a copy that holds it too long makes the other fail in time without touching a
// byte, a copy that dies releases it, and an action gives it back even when the file stays open
// elsewhere. The workstation gate, taken before the lock, keeps the same promises.

#include "Harness.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"
#include "core/WorkstationGate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
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
    void gateHeldPastDeadlineMakesActionFail_data();
    void gateHeldPastDeadlineMakesActionFail();
    void gateIsGivenBackAfterEveryAction_data();
    void gateIsGivenBackAfterEveryAction();

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
    SysIo::clearFaultHook();
    WorkstationGate::setUse(WorkstationGate::Use::SmbSharesOnly);
}

namespace {

// Another copy on this workstation at the gate of `archive`: an open file description of its own.
int takeGate(const QString &archive)
{
    const int fd = ::open(QFile::encodeName(WorkstationGate::filePath(archive)).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

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

void TestLocks::gateHeldPastDeadlineMakesActionFail_data()
{
    QTest::addColumn<int>("use");
    QTest::addColumn<bool>("waits");
    QTest::newRow("gate taken") << int(WorkstationGate::Use::Always) << true;
    // On a local disk the copies never meet at the gate.
    QTest::newRow("gate for SMB shares only") << int(WorkstationGate::Use::SmbSharesOnly) << false;
}

void TestLocks::gateHeldPastDeadlineMakesActionFail()
{
    QFETCH(int, use);
    QFETCH(bool, waits);
    WorkstationGate::setUse(WorkstationGate::Use(use));
    const QByteArray before = Harness::readFile(m_path);
    const int other = takeGate(m_path);
    QVERIFY(other >= 0);
    QElapsedTimer t;
    t.start();
    bool threw = false;
    try {
        Archive(m_path, R).append(rec(4));
    } catch (const ArchiveError &e) {
        threw = true;
        QVERIFY2(QString::fromUtf8(e.what()).contains(QLatin1String("lock failed")), e.what());
    }
    const qint64 elapsed = t.elapsed();
    ::close(other);
    QCOMPARE(threw, waits);
    if (waits) {
        QVERIFY(elapsed >= kDeadlineMs);
        QVERIFY(elapsed < kDeadlineMs + 1000);
        QCOMPARE(Harness::readFile(m_path), before);
        // Once the other copy has gone through the gate, the action does too.
        QCOMPARE(Archive(m_path, R).append(rec(4)), 4);
    } else {
        QVERIFY(elapsed < kDeadlineMs);
        QCOMPARE(Harness::readFile(m_path), before + rec(4));
    }
}

void TestLocks::gateIsGivenBackAfterEveryAction_data()
{
    QTest::addColumn<int>("failing"); // the call that fails from its first use on, or -1
    QTest::addColumn<bool>("threw");
    QTest::newRow("append") << -1 << false;
    QTest::newRow("open fails") << int(SysIo::Call::Open) << true;
    QTest::newRow("lock refused to the deadline") << int(SysIo::Call::Fcntl) << true;
    QTest::newRow("write fails") << int(SysIo::Call::PWrite) << true;
    QTest::newRow("sync fails") << int(SysIo::Call::FDataSync) << true;
    QTest::newRow("close fails") << int(SysIo::Call::Close) << true;
}

void TestLocks::gateIsGivenBackAfterEveryAction()
{
    QFETCH(int, failing);
    QFETCH(bool, threw);
    WorkstationGate::setUse(WorkstationGate::Use::Always);
    SysIo::setFaultHook([failing](SysIo::Call c) { return int(c) == failing ? EAGAIN : 0; });
    bool thrown = false;
    try {
        Archive(m_path, R).append(rec(4));
    } catch (const ArchiveError &) {
        thrown = true;
    }
    SysIo::clearFaultHook();
    QCOMPARE(thrown, threw);
    const int other = takeGate(m_path);
    QVERIFY2(other >= 0, "the gate was kept after the action");
    ::close(other);
}

QTEST_GUILESS_MAIN(TestLocks)
#include "tst_locks.moc"
