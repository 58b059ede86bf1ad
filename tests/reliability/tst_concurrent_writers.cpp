// Several processes write one archive at once, as copies of the program on a shared folder do.
// Every append must arrive whole, once, and at its own position; every stock update must count.

#include "Harness.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/Numbers.h"
#include "core/Record.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace {

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : fallback;
}

// Writers and operations per writer; the defaults are the full figures, CI may ask for fewer.
int writerCount()
{
    return envNumber("QUADRIVO_STRESS_WRITERS", 8);
}
int perWriter()
{
    return envNumber("QUADRIVO_STRESS_OPS", 500);
}

// Runs `writers` helpers with the given arguments (WRITER replaced by the writer's number) and
// waits for them all; returns their slowest single operation in ms, or -1 if one failed.
qint64 runAll(int writers, const std::function<QStringList(int)> &argsFor, QString *failure)
{
    // They all begin at the same moment, so they really contend for the file.
    const QString startAt = QString::number(QDateTime::currentMSecsSinceEpoch() + 100 * writers);
    std::vector<std::unique_ptr<QProcess>> procs;
    for (int w = 0; w < writers; ++w)
        procs.emplace_back(
            Harness::startHelper(QStringList{QStringLiteral("--start-at"), startAt} + argsFor(w)));
    qint64 slowest = 0;
    for (int w = 0; w < writers; ++w) {
        QProcess &p = *procs[size_t(w)];
        const bool finished = p.waitForFinished(600000);
        const QByteArray out = p.readAllStandardOutput();
        if (!finished || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            *failure = QStringLiteral("writer %1: exit %2, %3")
                           .arg(w)
                           .arg(p.exitCode())
                           .arg(QString::fromLocal8Bit(p.readAllStandardError()));
            return -1;
        }
        if (out.startsWith("slowest "))
            slowest = qMax(slowest, out.mid(8).trimmed().toLongLong());
    }
    return slowest;
}

} // namespace

class TestConcurrentWriters : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void appendsArriveWholeAndOnce_data();
    void appendsArriveWholeAndOnce();
    void stockUpdatesAreNeverLost_data();
    void stockUpdatesAreNeverLost();

private:
    void folders();

    QTemporaryDir m_disk{QDir::currentPath() + QStringLiteral("/stress-XXXXXX")};
    QTemporaryDir m_ram;
    QString m_ramFolder;
    QString m_ramNote;
};

void TestConcurrentWriters::initTestCase()
{
    QVERIFY(m_disk.isValid());
    if (Harness::mountTmpfs(m_ram.path(), 256 << 20, &m_ramNote)) {
        m_ramFolder = m_ram.path();
    } else if (Harness::fileSystemName(QStringLiteral("/dev/shm")) == QLatin1String("tmpfs")) {
        m_ramNote += QStringLiteral("; using /dev/shm");
        m_ramFolder = QStringLiteral("/dev/shm");
    }
    if (!m_ramNote.isEmpty())
        qInfo("tmpfs: %s", qPrintable(m_ramNote));
}

void TestConcurrentWriters::cleanupTestCase()
{
    if (m_ramFolder == m_ram.path())
        Harness::unmount(m_ramFolder);
}

void TestConcurrentWriters::folders()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("gate"); // when the writers take the workstation gate
    QTest::newRow("disk") << m_disk.path() << QStringLiteral("smb");
    if (!m_ramFolder.isEmpty())
        QTest::newRow("tmpfs") << m_ramFolder << QStringLiteral("smb");
    // As on an SMB share, where the copies on one workstation also take turns at the gate.
    QTest::newRow("disk, through the workstation gate") << m_disk.path() << QStringLiteral("always");
}

void TestConcurrentWriters::appendsArriveWholeAndOnce_data()
{
    folders();
}

void TestConcurrentWriters::appendsArriveWholeAndOnce()
{
    QFETCH(QString, folder);
    QFETCH(QString, gate);
    const int writers = writerCount();
    const int each = perWriter();
    // A record larger than a page, so a write that was not one piece would show.
    const int size = Magazzino::layout().recordSize();
    QTemporaryDir dir(folder + QStringLiteral("/appends-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));

    QElapsedTimer t;
    t.start();
    QString failure;
    const qint64 slowest = runAll(
        writers,
        [&](int w) {
            return QStringList{
                QStringLiteral("--gate"), gate, QStringLiteral("--deadline"), QStringLiteral("60000"),
                QStringLiteral("append"), path, QString::number(size),        QString::number(w),
                QString::number(each)};
        },
        &failure);
    QVERIFY2(slowest >= 0, qPrintable(failure));

    const SelfCheck::Tally tally = SelfCheck::tally(Harness::readFile(path), size, writers, each);
    qInfo("appends on %s%s: %d writers x %d, count %lld, lost %lld, torn %lld, duplicated %lld, "
          "stray bytes %lld, writer switches %lld, %lld ms, slowest append %lld ms",
          qPrintable(Harness::fileSystemName(dir.path())), gate == u"always" ? " through the gate" : "",
          writers, each, tally.records, tally.lost, tally.torn, tally.duplicated, tally.tailBytes,
          tally.switches, t.elapsed(), slowest);
    QVERIFY2(tally.firstProblem.isEmpty(), qPrintable(tally.firstProblem));
    QCOMPARE(tally.records, qint64(writers) * each);
    QCOMPARE(tally.tailBytes, 0);
    QCOMPARE(Archive(path, size).count(), qint64(writers) * each);
    // How often the file switched writers (writers - 1 if they had run one after another) is
    // reported, not required: the lock is not fair, so one writer often keeps it for a while.
}

void TestConcurrentWriters::stockUpdatesAreNeverLost_data()
{
    folders();
}

void TestConcurrentWriters::stockUpdatesAreNeverLost()
{
    QFETCH(QString, folder);
    QFETCH(QString, gate);
    const int writers = writerCount();
    const int each = perWriter();
    const RecordLayout &layout = Magazzino::layout();
    QTemporaryDir dir(folder + QStringLiteral("/stock-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Magazzino.pro"));
    const Archive archive(path, layout.recordSize());

    // The item sits between two others, which must come through untouched.
    Record item(layout);
    item.setText(Magazzino::Codice, QStringLiteral("VITE-M8"));
    item.setText(Magazzino::Giacenza, QStringLiteral("100000"));
    Record neighbour(layout);
    neighbour.setText(Magazzino::Codice, QStringLiteral("DADO-M8"));
    neighbour.setText(Magazzino::Giacenza, QStringLiteral("7"));
    archive.append(neighbour.encode());
    archive.append(item.encode());
    archive.append(neighbour.encode());
    const QByteArray before = Harness::readFile(path);

    QElapsedTimer t;
    t.start();
    QString failure;
    const qint64 slowest = runAll(
        writers,
        [&](int) {
            return QStringList{
                QStringLiteral("--gate"), gate, QStringLiteral("--deadline"), QStringLiteral("60000"),
                QStringLiteral("stock"),  path, QStringLiteral("2"),          QString::number(each)};
        },
        &failure);
    QVERIFY2(slowest >= 0, qPrintable(failure));

    const QByteArray after = Harness::readFile(path);
    QCOMPARE(after.size(), before.size());
    const int r = layout.recordSize();
    QCOMPARE(after.left(r), before.left(r));
    QCOMPARE(after.mid(2 * r), before.mid(2 * r));
    const Record stored = Record::decode(layout, after.constData() + r);
    const qint64 expected = 100000 - qint64(writers) * each;
    qInfo("stock updates on %s%s: %d writers x %d, stock %s (expected %lld), %lld ms",
          qPrintable(Harness::fileSystemName(dir.path())), gate == u"always" ? " through the gate" : "",
          writers, each, qPrintable(stored.text(Magazzino::Giacenza)), expected, t.elapsed());
    QCOMPARE(stored.text(Magazzino::Giacenza), QString::number(expected));
    QCOMPARE(stored.text(Magazzino::Codice), QStringLiteral("VITE-M8"));
}

QTEST_GUILESS_MAIN(TestConcurrentWriters)
#include "tst_concurrent_writers.moc"
