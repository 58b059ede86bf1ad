#pragma once

#include "RecordFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The composite operations of a user action on one archive. Each call is one action: it opens
// (or creates) the file, takes the lock, does its steps and closes the file before returning.
// Positions are 1-based as the user sees them. Every failure throws ArchiveError.
class Archive
{
public:
    struct Loaded
    {
        qint64 position; // 1-based
        QByteArray bytes;
    };

    Archive(QString path, int recordSize) : m_path(std::move(path)), m_recordSize(recordSize) {}

    const QString &path() const { return m_path; }
    int recordSize() const { return m_recordSize; }

    void touch() const; // open or create, then close
    qint64 count() const;
    std::optional<Loaded> readFirst() const;
    std::optional<Loaded> readLast() const;
    std::optional<Loaded> readAt(qint64 position) const; // nullopt past the end
    qint64 append(const QByteArray &record) const;       // the new record's position
    void overwrite(qint64 position, const QByteArray &record) const;
    // Overwrites only while the stored record still equals `expected`, checked under the same
    // write lock; returns false (writing nothing) when another copy changed it meanwhile.
    bool overwriteIfUnchanged(qint64 position, const QByteArray &record, const QByteArray &expected) const;
    // Reads the record at `position` and writes back what `change` makes of it, holding the write
    // lock across both, so two copies updating one record (a stock count) never lose an update.
    // `change` returns nullopt to write nothing. Returns the record as written, or nullopt when
    // the position is past the end or nothing was written.
    using Change = std::function<std::optional<QByteArray>(const QByteArray &)>;
    std::optional<QByteArray> modify(qint64 position, const Change &change) const;
    // Visits every whole record in file order with its 1-based position; return false to stop.
    void scan(const std::function<bool(qint64, const char *)> &visit) const;
    // RecordFile::scanBlocks over the whole archive.
    void scanBlocks(const RecordFile::BlockWork &work, const std::function<void(int slot)> &deliver) const;

private:
    QString m_path;
    int m_recordSize;
};
