#include "Harness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <sys/vfs.h>

namespace Harness {

QString helperPath()
{
    return QStringLiteral(QUADRIVO_ARCHIVE_HELPER);
}

bool reachableByOthers(const QString &path)
{
    QFileInfo info(path);
    for (QDir dir = info.absoluteDir();;) {
        if (!(QFileInfo(dir.absolutePath()).permissions() & QFile::ExeOther))
            return false;
        if (dir.isRoot() || !dir.cdUp())
            return true;
    }
}

Result runHelper(const QStringList &args, int timeoutMs)
{
    QProcess p;
    p.start(helperPath(), args);
    Result r;
    if (!p.waitForStarted() || !p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.crashed = true;
        r.err = "did not start or finish in time";
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QProcess *startHelper(const QStringList &args)
{
    auto *p = new QProcess;
    p->start(helperPath(), args);
    return p;
}

LockHolder::~LockHolder()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished();
    }
}

bool LockHolder::start(const QString &path, int ms, bool reopen)
{
    QStringList args{QStringLiteral("hold"), path, QString::number(ms)};
    if (reopen)
        args << QStringLiteral("reopen");
    m_process.reset(startHelper(args));
    return m_process->waitForReadyRead(10000) && m_process->readLine().trimmed() == "held";
}

bool privateMounts(QString *why)
{
    static int state = 0; // 0 not tried, 1 ready, -1 refused
    static QString reason;
    if (state == 0) {
        if (::unshare(CLONE_NEWNS) != 0) {
            reason =
                QStringLiteral("unshare(CLONE_NEWNS): %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            state = -1;
        } else if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            reason = QStringLiteral("making / private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
            state = -1;
        } else {
            state = 1;
        }
    }
    if (why)
        *why = reason;
    return state == 1;
}

bool mountTmpfs(const QString &dir, qint64 sizeBytes, QString *why)
{
    if (!privateMounts(why))
        return false;
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0, options.constData()) != 0) {
        if (why)
            *why = QStringLiteral("mount tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

bool bindReadOnly(const QString &source, const QString &target, QString *why)
{
    if (!privateMounts(why))
        return false;
    const QByteArray t = QFile::encodeName(target);
    if (::mount(QFile::encodeName(source).constData(), t.constData(), nullptr, MS_BIND, nullptr) != 0) {
        if (why)
            *why = QStringLiteral("bind mount: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::mount(nullptr, t.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        if (why)
            *why = QStringLiteral("read-only remount: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::umount2(t.constData(), MNT_DETACH);
        return false;
    }
    return true;
}

bool unmount(const QString &dir)
{
    return ::umount2(QFile::encodeName(dir).constData(), MNT_DETACH) == 0;
}

QString fileSystemName(const QString &path)
{
    struct statfs s;
    if (::statfs(QFile::encodeName(path).constData(), &s) != 0)
        return QStringLiteral("unknown");
    switch (static_cast<unsigned long>(s.f_type)) {
    case 0xEF53:
        return QStringLiteral("ext4");
    case 0x01021994:
        return QStringLiteral("tmpfs");
    case 0x9123683E:
        return QStringLiteral("btrfs");
    case 0x58465342:
        return QStringLiteral("xfs");
    case 0x794C7630:
        return QStringLiteral("overlayfs");
    default:
        return QStringLiteral("0x%1").arg(static_cast<unsigned long>(s.f_type), 0, 16);
    }
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace Harness
