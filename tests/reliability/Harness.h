#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <memory>

// What the reliability tests share: the archive helper program, its processes, and file systems
// of the kinds the archives meet in use (a tmpfs, a read-only mount, a full disk).
namespace Harness {

QString helperPath();
// Every folder above `path` lets others pass (o+x), so an ordinary user can reach it.
bool reachableByOthers(const QString &path);

struct Result
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray out;
    QByteArray err;
};
// Runs the helper to the end (at most timeoutMs).
Result runHelper(const QStringList &args, int timeoutMs = 120000);
// Starts the helper and leaves it running; the caller owns the process.
QProcess *startHelper(const QStringList &args);

// Another copy of the program holding an archive's write lock: the helper, started and waited
// for until it holds the lock; killed when this goes out of scope.
class LockHolder
{
public:
    ~LockHolder();
    // Holds the write lock of `path` for `ms` ms ("reopen": after opening and closing the file
    // elsewhere in its process first). False when it did not get the lock.
    bool start(const QString &path, int ms, bool reopen = false);
    QProcess *process() const { return m_process.get(); }

private:
    std::unique_ptr<QProcess> m_process;
};

// Mounts live in a mount namespace of this test process alone, so they vanish with it even when a
// test fails half-way. False (with the reason in *why) when the machine does not allow mounts.
bool privateMounts(QString *why);
bool mountTmpfs(const QString &dir, qint64 sizeBytes, QString *why);
bool bindReadOnly(const QString &source, const QString &target, QString *why);
bool unmount(const QString &dir);

// The file system's name ("ext4", "tmpfs", ...) as statfs tells it.
QString fileSystemName(const QString &path);

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace Harness
