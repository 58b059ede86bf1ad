// Writers killed at random moments of their appends (as a workstation that loses power): what was
// saved before stays byte for byte, no whole record is torn, and a half-written tail is ignored by
// count and scan and overwritten by the next append.

#include "Harness.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "quotes/PreventiviRecord.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <memory>

namespace {

int rounds()
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue("QUADRIVO_CRASH_ROUNDS", &ok);
    return ok && v > 0 ? v : 75;
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

} // namespace

class TestKilledWriters : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedMidAppend();
};

void TestKilledWriters::killedMidAppend()
{
    // Quote records span two memory pages, so a write cut short by the kill could split one.
    const int size = Preventivi::layout().recordSize();
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/crash-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("2025.pre"));
    const Archive archive(path, size);
    QRandomGenerator rng(20250611);
    constexpr int kWriters = 2; // per round, appending at the same time
    const int total = rounds();

    int kills = 0;
    int naturalTails = 0;
    int plantedTails = 0;
    for (int round = 0; round < total; ++round) {
        const QByteArray before = Harness::readFile(path);
        const qint64 wholeBefore = before.size() / size;
        const QByteArray saved = before.left(wholeBefore * size);

        std::unique_ptr<QProcess> writers[kWriters];
        for (int w = 0; w < kWriters; ++w) {
            writers[w].reset(Harness::startHelper(
                {QStringLiteral("--deadline"), QStringLiteral("60000"), QStringLiteral("append"), path,
                 QString::number(size), QString::number(round * kWriters + w), QStringLiteral("0")}));
            QVERIFY(writers[w]->waitForStarted());
        }
        // Kill only once they are appending: the file has grown by at least one record.
        QElapsedTimer waited;
        waited.start();
        while (fileSize(path) < (wholeBefore + 1) * size && waited.elapsed() < 10000)
            QThread::msleep(1);
        QVERIFY2(fileSize(path) >= (wholeBefore + 1) * size, "the writers never appended");
        for (int w = 0; w < kWriters; ++w) {
            QThread::usleep(rng.bounded(20000));
            ::kill(pid_t(writers[w]->processId()), SIGKILL);
            QVERIFY(writers[w]->waitForFinished(10000));
            QCOMPARE(writers[w]->exitStatus(), QProcess::CrashExit);
            ++kills;
        }

        const QByteArray after = Harness::readFile(path);
        QVERIFY2(after.startsWith(saved),
                 qPrintable(QStringLiteral("round %1 changed an earlier record").arg(round)));
        const SelfCheck::Tally t = SelfCheck::tally(after, size, (round + 1) * kWriters, 0);
        QVERIFY2(t.firstProblem.isEmpty(),
                 qPrintable(QStringLiteral("round %1: %2").arg(round).arg(t.firstProblem)));

        // Now and then leave the tail a crash mid-write would leave, if the kill did not.
        qint64 tail = t.tailBytes;
        if (tail != 0) {
            ++naturalTails;
        } else if (round % 5 == 4) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::Append));
            tail = 1 + rng.bounded(size - 1);
            f.write(SelfCheck::makeRecord(size, 999999, round).left(tail));
            f.close();
            ++plantedTails;
        }
        if (tail != 0) {
            QCOMPARE(archive.count(), t.records);
            qint64 visited = 0;
            archive.scan([&](qint64, const char *) {
                ++visited;
                return true;
            });
            QCOMPARE(visited, t.records);
        }
    }

    // The last tail, if any, goes under the next append.
    const qint64 n = archive.count();
    QCOMPARE(archive.append(SelfCheck::makeRecord(size, 0, 999999)), n + 1);
    QCOMPARE(fileSize(path), (n + 1) * size);
    const SelfCheck::Tally final =
        SelfCheck::tally(Harness::readFile(path).left(n * size), size, total * kWriters, 0);
    qInfo("killed writers: %d rounds, %d SIGKILLs, %lld records, torn %lld, lost %lld, duplicated %lld, "
          "tails left by a kill %d, tails planted %d",
          total, kills, final.records, final.torn, final.lost, final.duplicated, naturalTails, plantedTails);
    QVERIFY(final.firstProblem.isEmpty());
}

QTEST_GUILESS_MAIN(TestKilledWriters)
#include "tst_killed_writers.moc"
