// The in-process figures of bench/run-search.sh for one Clienti.pro:
//   search-bench ARCHIVE [RUNS]
// prints, on one line: the best time in ms of a raw read in 1 MiB blocks, of the search with
// Cognome=ross, of the listing of all records, and the peak memory of that listing over the text
// of its lines.

#include "customers/ClientiRecord.h"
#include "services/ArchiveKinds.h"
#include "services/ListService.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double bestMs(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

long rawRead(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    static char block[1 << 20];
    long total = 0;
    for (ssize_t got; (got = ::read(fd, block, sizeof block)) > 0;)
        total += long(got) + block[0];
    ::close(fd);
    return total;
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: search-bench ARCHIVE [RUNS]\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const ArchiveKind &kind = ArchiveKinds::get(ArchiveKindId::Customers);
    using ListService::Missing;

    // Memory first, while the peak is still the listing's own.
    const long before = residentKiB();
    qint64 textBytes = 0;
    {
        const auto lines = ListService::search(kind, path, {}, Missing::Empty);
        for (qsizetype i = 0; i < lines.size(); ++i)
            textBytes += lines.bytes(i).size(); // one byte per character, as the list holds it
    }
    const double memoryRatio = textBytes ? double(peakKiB() - before) * 1024.0 / double(textBytes) : 0.0;

    volatile long sink = 0;
    const double raw = bestMs(runs, [&] { sink = sink + rawRead(argv[1]); });
    const std::vector<ListService::Criterion> ross{{Clienti::Cognome, QStringLiteral("ross")}};
    const double search = bestMs(
        runs, [&] { sink = sink + long(ListService::search(kind, path, ross, Missing::Empty).size()); });
    const double all =
        bestMs(runs, [&] { sink = sink + long(ListService::search(kind, path, {}, Missing::Empty).size()); });
    std::printf("%.2f %.2f %.2f %.2f\n", raw, search, all, memoryRatio);
    return 0;
}
