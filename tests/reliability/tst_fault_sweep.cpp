// Every archive action under failing system calls: the k-th call fails once, or from then on, or
// reads or writes only half of what it was asked to, for k = 1, 2, ... until the action gets
// through untouched. Each time the action either reports ArchiveError or does exactly its job;
// the archive never gets shorter, no other record changes, and an appended record is either all
// there or not counted.

#include "FaultInjector.h"
#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

namespace {

constexpr int R = 64;

QByteArray rec(int n)
{
    return SelfCheck::makeRecord(R, 7, n);
}
const QByteArray kNew = SelfCheck::makeRecord(R, 8, 0);

using Mode = FaultMode;
enum class Fixture { Three, ThreeWithTail, Missing };

// What an action returns, flattened so results compare as bytes.
using Outcome = QByteArray;

struct Action
{
    const char *name;
    int target; // 1-based record the action rewrites, 0 for none
    bool appends;
    Outcome (*run)(const Archive &);
};

QByteArray loaded(const std::optional<Archive::Loaded> &l)
{
    return l ? QByteArray::number(l->position) + ':' + l->bytes : QByteArray("none");
}

const Action kActions[] = {
    {"touch", 0, false,
     [](const Archive &a) {
         a.touch();
         return Outcome();
     }},
    {"count", 0, false, [](const Archive &a) { return QByteArray::number(a.count()); }},
    {"readAt", 0, false, [](const Archive &a) { return loaded(a.readAt(2)); }},
    {"readLast", 0, false, [](const Archive &a) { return loaded(a.readLast()); }},
    {"append", 0, true, [](const Archive &a) { return QByteArray::number(a.append(kNew)); }},
    {"overwrite", 2, false,
     [](const Archive &a) {
         a.overwrite(2, kNew);
         return Outcome();
     }},
    {"overwriteIfUnchanged", 2, false,
     [](const Archive &a) { return QByteArray::number(a.overwriteIfUnchanged(2, kNew, rec(2))); }},
    {"modify", 2, false,
     [](const Archive &a) {
         return a.modify(2, [](const QByteArray &) { return std::optional<QByteArray>(kNew); })
             .value_or("none");
     }},
    {"scan", 0, false,
     [](const Archive &a) {
         Outcome seen;
         a.scan([&](qint64 position, const char *bytes) {
             seen += QByteArray::number(position) + ':' + QByteArray(bytes, R);
             return true;
         });
         return seen;
     }},
};

const Action &action(const QString &name)
{
    for (const Action &a : kActions) {
        if (name == QLatin1String(a.name))
            return a;
    }
    qFatal("no action %s", qPrintable(name));
}

// The file and the result of the action done without any failure.
struct Expected
{
    QByteArray file;
    Outcome result;
};

Expected expectedFor(const Action &a, const QByteArray &before, bool exists)
{
    Q_UNUSED(exists);
    const qint64 n = before.size() / R;
    Expected e{before, {}};
    const QString name = QLatin1String(a.name);
    if (name == QLatin1String("count")) {
        e.result = QByteArray::number(n);
    } else if (name == QLatin1String("readAt")) {
        e.result = n >= 2 ? "2:" + before.mid(R, R) : QByteArray("none");
    } else if (name == QLatin1String("readLast")) {
        e.result = n >= 1 ? QByteArray::number(n) + ':' + before.mid((n - 1) * R, R) : QByteArray("none");
    } else if (name == QLatin1String("append")) {
        e.file = before.left(n * R) + kNew;
        e.result = QByteArray::number(n + 1);
    } else if (a.target) {
        e.file.replace((a.target - 1) * R, R, kNew);
        if (name == QLatin1String("overwriteIfUnchanged"))
            e.result = "1";
        else if (name == QLatin1String("modify"))
            e.result = kNew;
    } else if (name == QLatin1String("scan")) {
        for (qint64 i = 0; i < n; ++i)
            e.result += QByteArray::number(i + 1) + ':' + before.mid(i * R, R);
    }
    return e;
}

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).count());
}

} // namespace

class TestFaultSweep : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void everyCallFails_data();
    void everyCallFails();
};

void TestFaultSweep::initTestCase()
{
    // A descriptor left open with its lock would make the next action wait: keep such waits short.
    RecordFile::setLockDeadlineMs(200);
}

void TestFaultSweep::cleanupTestCase()
{
    RecordFile::setLockDeadlineMs(5000);
}

void TestFaultSweep::cleanup()
{
    SysIo::clearFaultHook();
}

void TestFaultSweep::everyCallFails_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<Mode>("mode");
    const std::pair<Fixture, const char *> fixtures[] = {{Fixture::Three, "3 records"},
                                                         {Fixture::ThreeWithTail, "3 records + tail"},
                                                         {Fixture::Missing, "missing"}};
    for (const Action &a : kActions) {
        for (const auto &[fixture, fixtureName] : fixtures) {
            if (fixture == Fixture::Missing && a.target)
                continue; // nothing to rewrite in a missing archive
            for (const auto &[mode, modeName] : kFaultModes)
                QTest::addRow("%s, %s, %s", a.name, fixtureName, modeName)
                    << QString::fromLatin1(a.name) << fixture << mode;
        }
    }
}

void TestFaultSweep::everyCallFails()
{
    QFETCH(QString, actionName);
    QFETCH(Fixture, fixture);
    QFETCH(Mode, mode);
    const Action &act = action(actionName);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fornitori.pro"));
    QByteArray before;
    if (fixture != Fixture::Missing)
        before = rec(1) + rec(2) + rec(3);
    if (fixture == Fixture::ThreeWithTail)
        before += QByteArray(10, 'x');
    const Expected expected = expectedFor(act, before, fixture != Fixture::Missing);
    const qint64 wholeBefore = before.size() / R;

    int failures = 0;
    int k = 1;
    for (;; ++k) {
        QVERIFY2(k < 200, "the action never got through");
        QFile::remove(path);
        if (fixture != Fixture::Missing) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        const int fdsBefore = openDescriptors();
        FaultInjector injector{k, mode};
        SysIo::setFaultHook([&injector](SysIo::Call c) { return injector(c); });
        bool threw = false;
        Outcome result;
        try {
            result = act.run(Archive(path, R));
        } catch (const ArchiveError &) {
            threw = true;
        }
        SysIo::clearFaultHook();
        const QString where = QStringLiteral("k = %1").arg(k);

        QCOMPARE(openDescriptors(), fdsBefore);
        QFile f(path);
        const bool exists = f.open(QIODevice::ReadOnly);
        const QByteArray after = exists ? f.readAll() : QByteArray();
        f.close();
        QVERIFY2(after.size() >= before.size(),
                 qPrintable(where + QStringLiteral(": the archive got shorter")));
        if (fixture != Fixture::Missing)
            QVERIFY2(exists, qPrintable(where + QStringLiteral(": the archive is gone")));

        if (!threw) {
            // Success is only allowed when nothing failed, or a short read was simply read on, or
            // a refused lock was granted when asked again.
            QVERIFY2(!injector.failedOther && !injector.shortWrite,
                     qPrintable(where + QStringLiteral(": a failed call was taken for success")));
            QCOMPARE(after, expected.file);
            QCOMPARE(result, expected.result);
        } else {
            ++failures;
            QVERIFY2(injector.failed() || injector.shortWrite,
                     qPrintable(where + QStringLiteral(": failed with no fault")));
            const qint64 wholeAfter = after.size() / R;
            for (qint64 i = 0; i < wholeBefore; ++i) {
                const QByteArray was = before.mid(i * R, R);
                const QByteArray now = after.mid(i * R, R);
                if (i + 1 == act.target && !injector.shortWrite)
                    QVERIFY2(now == was || now == kNew,
                             qPrintable(where + QStringLiteral(": the record is mixed")));
                else if (i + 1 != act.target)
                    QVERIFY2(now == was,
                             qPrintable(where + QStringLiteral(": record %1 changed").arg(i + 1)));
            }
            if (act.appends) {
                QVERIFY2(wholeAfter == wholeBefore ||
                             (wholeAfter == wholeBefore + 1 && after.mid(wholeBefore * R, R) == kNew),
                         qPrintable(where + QStringLiteral(": a torn record was counted")));
            } else {
                QCOMPARE(wholeAfter, wholeBefore);
            }
        }
        // Nothing lingers: no lock, no descriptor; the archive works at once.
        QCOMPARE(Archive(path, R).count(), after.size() / R);
        if (!injector.injected())
            break;
    }
    qInfo("%s: %d calls swept, %d reported failures", qPrintable(actionName), k - 1, failures);
}

QTEST_GUILESS_MAIN(TestFaultSweep)
#include "tst_fault_sweep.moc"
