// Performs archive actions on command, as another copy of the program would, so the reliability
// tests can run several writers at once, kill them, or hold a lock from outside the test process.
//
//   append PATH R WRITER N        append N self-checking records (N = 0: until killed)
//   stock PATH POS N              take 1 from the item's stock N times, each a locked read and write
//   unload PATH POS QTY N         the item import's stock unload of QTY, N times
//   hold PATH MS [reopen]         hold the write lock for MS ms ("reopen": first open and close the
//                                 same file elsewhere in this process); prints "held" once locked
//   action PATH R touch|count|append   one archive action; prints its result
//   tally PATH R WRITERS N        checks a file of self-checking records (N = 0: as many as each
//                                 writer managed); prints the figures, exit 1 when something is wrong
//   seed-stock PATH STOCK         writes three items, the second with that stock
//   show-stock PATH POS           prints the item's stock
//
// Options before the command: --deadline MS (lock deadline), --fsize BYTES (file size limit, with
// SIGXFSZ ignored so the write itself fails), --start-at MS (wait until that many ms since the
// epoch, so several helpers begin together), --positions FILE (append: one line "WRITER SEQ POSITION"
// per record appended, to find two appends that were given the same place), --gate
// always|never|smb (when to take the workstation gate; smb, on SMB shares only, by default). Exit status: 0
// done, 3 archive error, 2 usage.

#include "SelfCheck.h"
#include "core/Archive.h"
#include "core/Numbers.h"
#include "core/Record.h"
#include "core/RecordFile.h"
#include "core/WorkstationGate.h"
#include "services/ItemImport.h"
#include "warehouse/MagazzinoRecord.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: archive_helper [--deadline MS] [--fsize BYTES] COMMAND ARGS...\n");
    return 2;
}

FILE *g_positions = nullptr;

int appendRecords(const QString &path, int recordSize, int writer, qint64 n)
{
    const Archive archive(path, recordSize);
    qint64 slowestMs = 0;
    QElapsedTimer t;
    for (qint64 s = 0; n == 0 || s < n; ++s) {
        t.start();
        const qint64 position = archive.append(SelfCheck::makeRecord(recordSize, writer, s));
        slowestMs = qMax(slowestMs, t.elapsed());
        if (g_positions)
            std::fprintf(g_positions, "%d %lld %lld\n", writer, static_cast<long long>(s),
                         static_cast<long long>(position));
    }
    std::printf("slowest %lld\n", static_cast<long long>(slowestMs));
    return 0;
}

int takeStock(const QString &path, qint64 position, qint64 n)
{
    const Archive archive(path, Magazzino::layout().recordSize());
    qint64 i = 0;
    // However it ends, say how many updates went through, so a run can tell a lost update from
    // one that was refused.
    const auto report = qScopeGuard([&i] { std::printf("done %lld\n", static_cast<long long>(i)); });
    for (; i < n; ++i) {
        const auto written =
            archive.modify(position, [](const QByteArray &bytes) -> std::optional<QByteArray> {
                Record r = Record::decode(Magazzino::layout(), bytes);
                const auto stock = Numbers::parse(r.text(Magazzino::Giacenza));
                if (!stock)
                    return std::nullopt;
                r.setText(Magazzino::Giacenza, Numbers::numericForm(*stock - 1));
                return r.encode();
            });
        if (!written) {
            std::fprintf(stderr, "no stock to update at position %lld\n", static_cast<long long>(position));
            return 1;
        }
    }
    return 0;
}

int unloadStock(const QString &path, qint64 position, const QString &quantity, qint64 n)
{
    qint64 i = 0;
    const auto report = qScopeGuard([&i] { std::printf("done %lld\n", static_cast<long long>(i)); });
    for (; i < n; ++i) {
        if (ItemImport::unload(path, position, quantity).outcome != ItemImport::Unload::Done) {
            std::fprintf(stderr, "unload refused at position %lld\n", static_cast<long long>(position));
            return 1;
        }
    }
    return 0;
}

int hold(const QString &path, int ms, bool reopen)
{
    RecordFile f(path, 1);
    f.openOrCreate(RecordFile::Access::Write);
    if (reopen) {
        // What any other part of a program might do with the same file: with a classic POSIX lock
        // this close would silently drop the lock taken above.
        const QByteArray native = QFile::encodeName(path);
        const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
        QFile q(path);
        if (q.open(QIODevice::ReadOnly))
            q.close();
    }
    std::printf("held\n");
    std::fflush(stdout);
    QThread::msleep(static_cast<unsigned long>(ms));
    f.close();
    return 0;
}

int action(const QString &path, int recordSize, const QString &name)
{
    const Archive archive(path, recordSize);
    if (name == QLatin1String("touch"))
        archive.touch();
    else if (name == QLatin1String("count"))
        std::printf("%lld\n", static_cast<long long>(archive.count()));
    else if (name == QLatin1String("append"))
        std::printf("%lld\n",
                    static_cast<long long>(archive.append(SelfCheck::makeRecord(recordSize, 0, 0))));
    else
        return usage();
    return 0;
}

int tally(const QString &path, int recordSize, int writers, qint64 perWriter)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 2;
    }
    const SelfCheck::Tally t = SelfCheck::tally(f.readAll(), recordSize, writers, perWriter);
    std::printf("count %lld lost %lld torn %lld duplicated %lld stray %lld switches %lld\n", t.records,
                t.lost, t.torn, t.duplicated, t.tailBytes, t.switches);
    if (!t.firstProblem.isEmpty())
        std::printf("first problem: %s\n", qPrintable(t.firstProblem));
    return t.firstProblem.isEmpty() ? 0 : 1;
}

int seedStock(const QString &path, const QString &stock)
{
    const Archive archive(path, Magazzino::layout().recordSize());
    Record item(Magazzino::layout());
    item.setText(Magazzino::Codice, QStringLiteral("DADO-M8"));
    item.setText(Magazzino::Giacenza, QStringLiteral("7"));
    archive.append(item.encode());
    item.setText(Magazzino::Codice, QStringLiteral("VITE-M8"));
    item.setText(Magazzino::Giacenza, stock);
    archive.append(item.encode());
    item.setText(Magazzino::Codice, QStringLiteral("DADO-M8"));
    item.setText(Magazzino::Giacenza, QStringLiteral("7"));
    archive.append(item.encode());
    return 0;
}

int showStock(const QString &path, qint64 position)
{
    const auto loaded = Archive(path, Magazzino::layout().recordSize()).readAt(position);
    if (!loaded)
        return 1;
    std::printf("%s\n",
                qPrintable(Record::decode(Magazzino::layout(), loaded->bytes).text(Magazzino::Giacenza)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    int i = 1;
    for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
        if (std::strcmp(argv[i], "--deadline") == 0) {
            RecordFile::setLockDeadlineMs(std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--start-at") == 0) {
            const qint64 wait = std::atoll(argv[i + 1]) - QDateTime::currentMSecsSinceEpoch();
            if (wait > 0)
                QThread::msleep(static_cast<unsigned long>(wait));
        } else if (std::strcmp(argv[i], "--gate") == 0) {
            const char *use = argv[i + 1];
            if (std::strcmp(use, "always") == 0)
                WorkstationGate::setUse(WorkstationGate::Use::Always);
            else if (std::strcmp(use, "never") == 0)
                WorkstationGate::setUse(WorkstationGate::Use::Never);
            else if (std::strcmp(use, "smb") != 0)
                return usage();
        } else if (std::strcmp(argv[i], "--positions") == 0) {
            g_positions = std::fopen(argv[i + 1], "w");
            if (!g_positions) {
                std::perror("positions");
                return 2;
            }
            std::setvbuf(g_positions, nullptr, _IOLBF, 0);
        } else if (std::strcmp(argv[i], "--fsize") == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = std::strtoull(argv[i + 1], nullptr, 10);
            const rlimit rl{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &rl) != 0) {
                std::perror("setrlimit");
                return 2;
            }
        } else {
            return usage();
        }
    }
    if (i + 2 > argc)
        return usage();
    const QString command = QString::fromLocal8Bit(argv[i]);
    const QString path = QString::fromLocal8Bit(argv[i + 1]);
    const int rest = argc - i - 2;
    char **args = argv + i + 2;
    try {
        if (command == QLatin1String("append") && rest == 3)
            return appendRecords(path, std::atoi(args[0]), std::atoi(args[1]), std::atoll(args[2]));
        if (command == QLatin1String("stock") && rest == 2)
            return takeStock(path, std::atoll(args[0]), std::atoll(args[1]));
        if (command == QLatin1String("unload") && rest == 3)
            return unloadStock(path, std::atoll(args[0]), QString::fromLocal8Bit(args[1]),
                               std::atoll(args[2]));
        if (command == QLatin1String("hold") && (rest == 1 || rest == 2))
            return hold(path, std::atoi(args[0]), rest == 2 && std::strcmp(args[1], "reopen") == 0);
        if (command == QLatin1String("tally") && rest == 3)
            return tally(path, std::atoi(args[0]), std::atoi(args[1]), std::atoll(args[2]));
        if (command == QLatin1String("seed-stock") && rest == 1)
            return seedStock(path, QString::fromLocal8Bit(args[0]));
        if (command == QLatin1String("show-stock") && rest == 1)
            return showStock(path, std::atoll(args[0]));
        if (command == QLatin1String("action") && rest == 2)
            return action(path, std::atoi(args[0]), QString::fromLocal8Bit(args[1]));
    } catch (const ArchiveError &e) {
        std::fprintf(stderr, "ArchiveError: %s\n", e.what());
        return 3;
    }
    return usage();
}
