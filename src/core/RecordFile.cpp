#include "RecordFile.h"

#include "SysIo.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <optional>
#include <semaphore>
#include <thread>
#include <vector>

namespace {

// The lock byte lies at 4 GiB, far past any archive, so a lock blocks no reader of the data.
constexpr off_t kLockOffset = off_t(1) << 32;
int g_lockDeadlineMs = 5000;

struct flock lockRange(short type)
{
    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = kLockOffset;
    fl.l_len = 1;
    return fl;
}

// What reading a whole range came to: error 0, or the errno of the failed read (EIO, with
// `ended`, when the file ended first).
struct ReadResult
{
    int error = 0;
    bool ended = false;
};

ReadResult readFully(int fd, char *data, qint64 bytes, off_t at)
{
    for (qint64 done = 0; done < bytes;) {
        const ssize_t got = SysIo::pread(fd, data + done, size_t(bytes - done), at + off_t(done));
        if (got <= 0)
            return {got < 0 ? errno : EIO, got == 0};
        done += got;
    }
    return {};
}

} // namespace

RecordFile::RecordFile(QString path, int recordSize) : m_path(std::move(path)), m_recordSize(recordSize) {}

RecordFile::~RecordFile()
{
    if (m_fd >= 0)
        closeFile(m_fd);
}

int RecordFile::lockDeadlineMs()
{
    return g_lockDeadlineMs;
}
void RecordFile::setLockDeadlineMs(int ms)
{
    g_lockDeadlineMs = ms;
}

void RecordFile::fail(const char *step) const
{
    throw ArchiveError(
        QStringLiteral("%1: %2 failed: %3")
            .arg(m_path, QLatin1StringView(step), QString::fromLocal8Bit(std::strerror(errno))));
}

void RecordFile::openOrCreate(Access access)
{
    if (m_fd >= 0)
        close();
    const QByteArray native = QFile::encodeName(m_path);
    // One deadline for the gate and the lock.
    QElapsedTimer waited;
    waited.start();
    if (!m_gate.take(m_path, g_lockDeadlineMs))
        fail("lock");
    // The open comes first; only a file that does not exist is created, and O_EXCL makes sure an
    // existing one (made meanwhile by another copy) is never replaced. No O_TRUNC, ever.
    for (int attempt = 0; attempt < 3 && m_fd < 0; ++attempt) {
        m_fd = SysIo::open(native.constData(), O_RDWR | O_CLOEXEC);
        if (m_fd >= 0 || errno != ENOENT)
            break;
        m_fd = SysIo::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        const int saved = errno;
        m_gate.release();
        errno = saved;
        fail("open");
    }
    m_index = 0;
    m_written = false;
    m_locked = false;
    lock(access, int(qMax<qint64>(0, g_lockDeadlineMs - waited.elapsed())));
}

void RecordFile::lock(Access access, int waitMs)
{
    struct flock fl = lockRange(access == Access::Write ? F_WRLCK : F_RDLCK);
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (SysIo::fcntl(m_fd, F_OFD_SETLK, &fl) == 0) {
            m_locked = true;
            return;
        }
        // The SMB client reports a range that another workstation holds as EIO, not EAGAIN: wait
        // for it like any other holder (a real I/O error fails all the same at the deadline).
        if (errno != EACCES && errno != EAGAIN && errno != EIO)
            break; // a file system without locks would fail every action: go on unlocked
        if (timer.elapsed() >= waitMs)
            break;
        pauseBeforeAskingAgain();
    }
    if (errno == EINVAL || errno == ENOLCK || errno == EOPNOTSUPP)
        return;
    const int saved = errno;
    closeFile(m_fd);
    m_fd = -1;
    errno = saved;
    fail("lock");
}

qint64 RecordFile::count()
{
    // lseek rather than fstat: an SMB client may answer fstat from a stale cache.
    const off_t size = SysIo::lseek(m_fd, 0, SEEK_END);
    if (size < 0)
        fail("size");
    return qint64(size) / m_recordSize;
}

void RecordFile::seek(qint64 index)
{
    if (index < 0 || index > count()) {
        errno = EINVAL;
        fail("seek");
    }
    m_index = index;
}

bool RecordFile::atEnd()
{
    return m_index >= count();
}

QByteArray RecordFile::read()
{
    QByteArray buf(m_recordSize, Qt::Uninitialized);
    if (const ReadResult r = readFully(m_fd, buf.data(), m_recordSize, off_t(m_index) * m_recordSize);
        r.error != 0) {
        errno = r.error;
        fail(r.ended ? "read (past the end)" : "read");
    }
    ++m_index;
    return buf;
}

void RecordFile::write(const QByteArray &record)
{
    if (record.size() != m_recordSize) {
        errno = EINVAL;
        fail("write (wrong record size)");
    }
    const off_t base = off_t(m_index) * m_recordSize;
    // One unbuffered write; a short write (disk full) is reported, never taken for success.
    const ssize_t n = SysIo::pwrite(m_fd, record.constData(), size_t(m_recordSize), base);
    m_written = true;
    if (n < 0)
        fail("write");
    if (n != m_recordSize) {
        errno = ENOSPC;
        fail("write (short)");
    }
    ++m_index;
}

void RecordFile::close()
{
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    // A save reported as done has reached the disk.
    if (m_written && SysIo::fdatasync(fd) != 0 && errno != EINVAL) {
        const int saved = errno;
        closeFile(fd);
        errno = saved;
        fail("sync");
    }
    if (closeFile(fd) != 0)
        fail("close");
}

// Gives back the lock, closes, then opens the gate; the result and errno are the close's.
int RecordFile::closeFile(int fd)
{
    releaseLock(fd);
    const int closed = SysIo::close(fd);
    const int saved = errno;
    m_gate.release();
    errno = saved;
    return closed;
}

// The lock is given back before the close, not left to it: a close drops the lock only with the
// last user of the open file description, which may live on (a copy of the descriptor, or on an
// SMB share the server handle that other opens of the file share), and another copy would then
// wait for it in vain. A refused unlock is not an error of the save, which is already on the
// disk; the close that follows releases the lock wherever it can.
void RecordFile::releaseLock(int fd)
{
    if (!m_locked)
        return;
    m_locked = false;
    struct flock fl = lockRange(F_UNLCK);
    SysIo::fcntl(fd, F_OFD_SETLK, &fl);
}

namespace {

constexpr qint64 kScanBlockBytes = 1 << 20;
// Smaller blocks when several threads scan: a block is still in the cache of the core that read
// it when it is worked on, and each thread's buffer costs fewer fresh pages.
constexpr qint64 kThreadBlockBytes = 256 << 10;

// Reads the blocks of a scan one ahead of the caller on a thread of its own, so that copying the
// next block out of the page cache overlaps with the work on this one. Two buffers take turns;
// the reader never runs more than one block ahead, and a failed read is handed over with the
// block it belongs to, so the caller sees errors in the same order as without the thread.
class BlockReader
{
public:
    struct Block
    {
        const char *data;
        ReadResult read;
    };

    BlockReader(int fd, qint64 recordSize, qint64 perBlock, qint64 count)
        : m_fd(fd), m_recordSize(recordSize), m_perBlock(perBlock), m_count(count)
    {
        for (QByteArray &b : m_buffers)
            b = QByteArray(perBlock * recordSize, Qt::Uninitialized);
        m_thread = std::thread([this] { run(); });
    }
    ~BlockReader()
    {
        m_stop = true;
        m_free.release(); // a reader waiting for a buffer sees the stop
        m_thread.join();
    }
    BlockReader(const BlockReader &) = delete;
    BlockReader &operator=(const BlockReader &) = delete;

    // The next block, in order; wait for it.
    Block next()
    {
        m_full.acquire();
        return m_blocks[m_taken++ % 2];
    }
    // The block from next() is no longer needed.
    void done() { m_free.release(); }

private:
    void run()
    {
        for (qint64 first = 0, b = 0; first < m_count; first += m_perBlock, ++b) {
            m_free.acquire();
            if (m_stop)
                return;
            char *data = m_buffers[b % 2].data();
            const qint64 bytes = std::min(m_perBlock, m_count - first) * m_recordSize;
            const Block block{data, readFully(m_fd, data, bytes, off_t(first * m_recordSize))};
            m_blocks[b % 2] = block;
            m_full.release();
            if (block.read.error != 0)
                return;
        }
    }

    const int m_fd;
    const qint64 m_recordSize, m_perBlock, m_count;
    QByteArray m_buffers[2];
    Block m_blocks[2] = {};
    qint64 m_taken = 0;
    std::counting_semaphore<> m_free{2}; // buffers the reader may fill
    std::counting_semaphore<> m_full{0}; // blocks read and not yet taken
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

void RecordFile::scan(const std::function<bool(qint64, const char *)> &visit)
{
    const qint64 n = count();
    const qint64 perBlock = qMax<qint64>(1, kScanBlockBytes / m_recordSize);
    // A few blocks are not worth a thread: they are read here, into one buffer.
    std::optional<BlockReader> ahead;
    QByteArray buffer;
    if (n > 2 * perBlock)
        ahead.emplace(m_fd, m_recordSize, perBlock, n);
    else
        buffer = QByteArray(perBlock * m_recordSize, Qt::Uninitialized);
    for (qint64 first = 0; first < n; first += perBlock) {
        const qint64 records = qMin(perBlock, n - first);
        const BlockReader::Block block =
            ahead ? ahead->next()
                  : BlockReader::Block{
                        buffer.constData(),
                        readFully(m_fd, buffer.data(), records * m_recordSize, off_t(first * m_recordSize))};
        if (block.read.error != 0) {
            errno = block.read.error;
            fail(block.read.ended ? "read (file shrank)" : "read");
        }
        for (qint64 i = 0; i < records; ++i) {
            m_index = first + i + 1;
            if (!visit(first + i + 1, block.data + i * m_recordSize))
                return;
        }
        if (ahead)
            ahead->done();
    }
    m_index = n;
}

namespace {

// A few slots for each scanning thread, so that a thread can go on to another block while the
// ones it did wait for their turn to be handed over.
constexpr int kSlotsPerThread = 4;

// The blocks of a threaded scan in flight: which block each slot holds until it is handed over,
// which block is to be handed over next, and the first failure, which stops the scan there.
// A thread whose block is ready hands over every block whose turn has come, whoever worked on
// it. The threads take the next block as they come free, so a slower one holds no one up, and
// wait only when the blocks in flight would need more slots than there are.
class BlockTurns
{
public:
    BlockTurns(qint64 blocks, int slots) : m_blocks(blocks), m_held(size_t(slots))
    {
        for (std::atomic<qint64> &h : m_held)
            h.store(kFree);
    }

    // The next block no thread has taken yet, or -1 when there is none (or the scan failed).
    qint64 take()
    {
        const qint64 block = m_next.fetch_add(1);
        return block < m_blocks && !stoppedBefore(block) ? block : -1;
    }
    int slotOf(qint64 block) const { return int(block % qint64(m_held.size())); }
    bool stoppedBefore(qint64 block) const { return m_failed.load() < block; }

    // Waits until the block before it in its slot was handed over (so the slot is free); false
    // when a failure came first.
    bool awaitSlot(qint64 block)
    {
        const qint64 needed = block - qint64(m_held.size()) + 1; // blocks handed over by then
        if (m_handedOver.load() < needed) {
            ++m_waiting;
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_handedOver.load() >= needed || m_failed.load() < block; });
            --m_waiting;
        }
        return !stoppedBefore(block);
    }

    // The block's work is done.
    void ready(qint64 block, const std::function<void(int slot)> &deliver)
    {
        m_held[size_t(slotOf(block))].store(block);
        bool freed = false;
        // Only one thread hands over at a time. One that finds another at it leaves its block to
        // that one, which looks again after letting go, so no ready block is left behind.
        while (!m_delivering.exchange(true)) {
            qint64 turn = m_handedOver.load();
            try {
                for (qint64 slot = slotOf(turn);
                     m_held[size_t(slot)].load() == turn && turn < m_failed.load(); slot = slotOf(turn)) {
                    deliver(int(slot));
                    m_held[size_t(slot)].store(kFree);
                    m_handedOver.store(++turn);
                    freed = true;
                }
            } catch (...) {
                fail(turn, {}, std::current_exception());
            }
            m_delivering.store(false);
            if (m_held[size_t(slotOf(turn))].load() != turn || turn >= m_failed.load())
                break;
        }
        if (freed && m_waiting.load() > 0) {
            const std::lock_guard lock(m_mutex);
            m_changed.notify_all();
        }
    }

    void fail(qint64 block, ReadResult read, std::exception_ptr error)
    {
        const std::lock_guard lock(m_mutex);
        if (block < m_failed.load()) {
            m_failed.store(block);
            m_read = read;
            m_error = std::move(error);
        }
        m_changed.notify_all();
    }

    // After every thread has ended: the failure of the earliest failing block, if any.
    bool failed() const { return m_failed.load() != kNone; }
    const ReadResult &readFailure() const { return m_read; }
    const std::exception_ptr &error() const { return m_error; }

private:
    static constexpr qint64 kFree = -1;
    static constexpr qint64 kNone = std::numeric_limits<qint64>::max();

    const qint64 m_blocks;
    std::atomic<qint64> m_next{0};
    std::vector<std::atomic<qint64>> m_held;
    std::atomic<bool> m_delivering{false};
    std::atomic<qint64> m_handedOver{0}; // also the block whose turn it is
    std::atomic<qint64> m_failed{kNone};
    std::atomic<int> m_waiting{0};
    std::mutex m_mutex; // for waiting, and the failure's details
    std::condition_variable m_changed;
    ReadResult m_read;
    std::exception_ptr m_error;
};

int scanThreads()
{
    // Copying out of the page cache is what a scan spends its time on, and a few threads already
    // take all the memory bandwidth there is.
    return int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
}

} // namespace

int RecordFile::scanSlots()
{
    return scanThreads() * kSlotsPerThread;
}

void RecordFile::scanBlocks(const BlockWork &work, const std::function<void(int slot)> &deliver)
{
    const qint64 n = count();
    const qint64 perBlock = qMax<qint64>(1, kThreadBlockBytes / m_recordSize);
    const qint64 blocks = (n + perBlock - 1) / perBlock;
    // A few blocks are not worth a thread.
    const int threads = blocks > 2 ? int(std::min<qint64>(scanThreads(), blocks)) : 1;
    BlockTurns turns(blocks, threads * kSlotsPerThread);
    // The thread that read a block works on it while the block is still in its own cache.
    const auto run = [&]() noexcept {
        qint64 block = 0;
        try {
            QByteArray buffer(qMin(perBlock, n) * m_recordSize, Qt::Uninitialized);
            while ((block = turns.take()) >= 0) {
                const qint64 first = block * perBlock;
                const qint64 records = qMin(perBlock, n - first);
                const ReadResult read =
                    readFully(m_fd, buffer.data(), records * m_recordSize, off_t(first * m_recordSize));
                if (read.error != 0) {
                    turns.fail(block, read, nullptr);
                    return;
                }
                if (!turns.awaitSlot(block))
                    return;
                work(turns.slotOf(block), first + 1, buffer.constData(), records);
                turns.ready(block, deliver);
            }
        } catch (...) {
            turns.fail(block, {}, std::current_exception());
        }
    };
    {
        std::vector<std::jthread> helpers;
        try {
            for (int thread = 1; thread < threads; ++thread)
                helpers.emplace_back(run);
        } catch (...) { // no thread to be had: stop the ones started
            turns.fail(0, {}, std::current_exception());
        }
        if (!turns.failed())
            run();
    }
    if (turns.failed()) {
        if (turns.error())
            std::rethrow_exception(turns.error());
        errno = turns.readFailure().error;
        fail(turns.readFailure().ended ? "read (file shrank)" : "read");
    }
    m_index = n;
}
