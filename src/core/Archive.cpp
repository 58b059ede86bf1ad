#include "Archive.h"

void Archive::touch() const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    f.close();
}

qint64 Archive::count() const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    const qint64 n = f.count();
    f.close();
    return n;
}

std::optional<Archive::Loaded> Archive::readFirst() const
{
    return readAt(1);
}

std::optional<Archive::Loaded> Archive::readLast() const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    const qint64 n = f.count();
    std::optional<Loaded> out;
    if (n > 0) {
        f.seek(n - 1);
        QByteArray bytes = f.read();
        out = Loaded{f.position(), std::move(bytes)};
    }
    f.close();
    return out;
}

std::optional<Archive::Loaded> Archive::readAt(qint64 position) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    std::optional<Loaded> out;
    if (position >= 1 && position <= f.count()) {
        f.seek(position - 1);
        QByteArray bytes = f.read();
        out = Loaded{f.position(), std::move(bytes)};
    }
    f.close();
    return out;
}

qint64 Archive::append(const QByteArray &record) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Write);
    const qint64 n = f.count();
    f.seek(n);
    f.write(record);
    const qint64 position = f.position();
    f.close();
    return position;
}

void Archive::overwrite(qint64 position, const QByteArray &record) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Write);
    f.seek(position - 1);
    f.write(record);
    f.close();
}

bool Archive::overwriteIfUnchanged(qint64 position, const QByteArray &record,
                                   const QByteArray &expected) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Write);
    if (position > f.count()) {
        f.close();
        return false;
    }
    f.seek(position - 1);
    if (f.read() != expected) {
        f.close();
        return false;
    }
    f.seek(position - 1);
    f.write(record);
    f.close();
    return true;
}

std::optional<QByteArray> Archive::modify(qint64 position, const Change &change) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Write);
    if (position < 1 || position > f.count()) {
        f.close();
        return std::nullopt;
    }
    f.seek(position - 1);
    std::optional<QByteArray> updated = change(f.read());
    if (updated) {
        f.seek(position - 1);
        f.write(*updated);
    }
    f.close();
    return updated;
}

void Archive::scan(const std::function<bool(qint64, const char *)> &visit) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    f.scan(visit);
    f.close();
}

void Archive::scanBlocks(const RecordFile::BlockWork &work,
                         const std::function<void(int slot)> &deliver) const
{
    RecordFile f(m_path, m_recordSize);
    f.openOrCreate(RecordFile::Access::Read);
    f.scanBlocks(work, deliver);
    f.close();
}
