#pragma once

#include "ArchiveError.h"
#include "WorkstationGate.h"

#include <QByteArray>
#include <QString>
#include <functional>

// A file of fixed-size records laid end to end, with no header. Open-or-create never truncates
// an existing file. While open, the file holds an advisory kernel lock (an open-file-description
// lock on one byte far beyond the data, so it blocks no one's reads of the data on shares with
// mandatory locks): shared for reading, exclusive for writing. On an SMB share the copies on one
// workstation also take turns at a WorkstationGate. Every failing step throws ArchiveError.
class RecordFile
{
public:
    enum class Access { Read, Write };

    RecordFile(QString path, int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens the existing file for reading and writing, or creates it empty when it does not exist,
    // then takes the lock, waiting at most lockDeadlineMs(). Positioned at index 0.
    void openOrCreate(Access access);
    bool isOpen() const { return m_fd >= 0; }

    qint64 count();
    void seek(qint64 index);              // 0 <= index <= count
    QByteArray read();                    // the record at the current index; advances by one
    void write(const QByteArray &record); // overwrites or appends at the current index; advances
    qint64 position() const { return m_index; }
    bool atEnd();
    // Flushes written data to the disk (fdatasync) and releases the file.
    void close();

    // Scans records from index 0 in file order, reading large blocks. The callback gets the
    // 1-based position and the record's bytes; returning false stops the scan.
    void scan(const std::function<bool(qint64, const char *)> &visit);

    // Scans every record in blocks, on several threads when the file is large. The thread that
    // reads a block hands it to `work` with a slot of its own (0 <= slot < scanSlots()), the
    // 1-based position of the block's first record, the records' bytes and how many there are:
    // `work` runs on several blocks at once and must keep what it makes for a slot apart from
    // the other slots. Then `deliver` takes that slot's result over: once per block, one call at
    // a time, in file order, and the slot is not used again before. A failed read (or an
    // exception from `work` or `deliver`) is thrown here once every block before it has been
    // delivered; no later block is.
    using BlockWork = std::function<void(int slot, qint64 first, const char *records, qint64 count)>;
    void scanBlocks(const BlockWork &work, const std::function<void(int slot)> &deliver);
    // How many slots scanBlocks may use at most.
    static int scanSlots();

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    static int lockDeadlineMs();
    static void setLockDeadlineMs(int ms); // for tests and the tool

private:
    void lock(Access access, int waitMs);
    void releaseLock(int fd);
    int closeFile(int fd);
    [[noreturn]] void fail(const char *step) const;

    QString m_path;
    int m_recordSize;
    int m_fd = -1;
    qint64 m_index = 0;
    bool m_written = false;
    bool m_locked = false;
    WorkstationGate m_gate;
};
