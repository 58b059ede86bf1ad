// Why a gate on this workstation before an archive on an SMB share: the Linux SMB client serves
// every open of one file on a mount with a single server handle while any of them is open, and
// keeps the byte-range locks taken through it in one shared record. With several copies of the
// program on one workstation working on the same archive, that record was seen (Debian's 6.1
// kernel) to keep a lock that no copy held any more: every copy was refused until all of them had
// closed the file, which copies that retry never do. Taking turns here first keeps each open of
// the archive alone on its handle. Other workstations are kept out by the archive's own lock.

#include "WorkstationGate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

WorkstationGate::Use g_use = WorkstationGate::Use::SmbSharesOnly;

bool onSmbShare(const QString &folder)
{
    struct statfs fs;
    if (::statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return false;
    constexpr unsigned kCifs = 0xFF534D42, kSmb2 = 0xFE534D42;
    const auto type = unsigned(fs.f_type);
    return type == kCifs || type == kSmb2;
}

} // namespace

void WorkstationGate::setUse(Use use)
{
    g_use = use;
}

QString WorkstationGate::filePath(const QString &archivePath)
{
    const QFileInfo archive(archivePath);
    QString folder = QDir(archive.absolutePath()).canonicalPath();
    if (folder.isEmpty())
        folder = archive.absolutePath();
    const QByteArray key = QFile::encodeName(folder + u'/' + archive.fileName());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() +
           QStringLiteral("/quadrivo-%1-%2.lock").arg(::getuid()).arg(QLatin1StringView(hash));
}

bool WorkstationGate::take(const QString &archivePath, int waitMs)
{
    release();
    if (g_use == Use::Never ||
        (g_use == Use::SmbSharesOnly && !onSmbShare(QFileInfo(archivePath).absolutePath())))
        return true;
    const int fd = ::open(QFile::encodeName(filePath(archivePath)).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true; // no gate to be had: the archive's own lock still keeps the copies apart
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            return true;
        }
        if (timer.elapsed() >= waitMs) {
            ::close(fd);
            errno = EWOULDBLOCK;
            return false;
        }
        pauseBeforeAskingAgain();
    }
}

void WorkstationGate::release()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}

void pauseBeforeAskingAgain()
{
    QThread::usleep(1000 + QRandomGenerator::global()->bounded(4000));
}
