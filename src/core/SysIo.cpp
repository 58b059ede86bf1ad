#include "SysIo.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace SysIo {
namespace {

FaultHook &hook()
{
    static FaultHook h;
    return h;
}

ReadFaultHook &readHook()
{
    static ReadFaultHook h;
    return h;
}

// 0: go on; > 0: fail with that errno; -1: short read or write.
int fault(Call c)
{
    FaultHook &h = hook();
    return h ? h(c) : 0;
}

} // namespace

void setFaultHook(FaultHook h)
{
    hook() = std::move(h);
}
void setReadFaultHook(ReadFaultHook h)
{
    readHook() = std::move(h);
}
void clearFaultHook()
{
    hook() = nullptr;
    readHook() = nullptr;
}

#define SYSIO_FAIL(call, ret)                                                                                \
    if (const int e = fault(call); e > 0) {                                                                  \
        errno = e;                                                                                           \
        return ret;                                                                                          \
    }

int open(const char *path, int flags, mode_t mode)
{
    SYSIO_FAIL(Call::Open, -1)
    int fd;
    do {
        fd = ::open(path, flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int close(int fd)
{
    if (const int e = fault(Call::Close); e > 0) {
        ::close(fd); // the descriptor is released all the same, as a real failing close does
        errno = e;
        return -1;
    }
    return ::close(fd);
}

ssize_t pread(int fd, void *buf, size_t count, off_t offset)
{
    int f = fault(Call::PRead);
    if (f == 0 && readHook())
        f = readHook()(offset, count);
    if (f > 0) {
        errno = f;
        return -1;
    }
    if (f < 0 && count > 1)
        count /= 2;
    ssize_t n;
    do {
        n = ::pread(fd, buf, count, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset)
{
    const int f = fault(Call::PWrite);
    if (f > 0) {
        errno = f;
        return -1;
    }
    if (f < 0)
        count /= 2;
    ssize_t n;
    do {
        n = ::pwrite(fd, buf, count, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

off_t lseek(int fd, off_t offset, int whence)
{
    SYSIO_FAIL(Call::LSeek, -1)
    return ::lseek(fd, offset, whence);
}

int fcntl(int fd, int cmd, void *arg)
{
    SYSIO_FAIL(Call::Fcntl, -1)
    return ::fcntl(fd, cmd, arg);
}

int fdatasync(int fd)
{
    SYSIO_FAIL(Call::FDataSync, -1)
    return ::fdatasync(fd);
}

} // namespace SysIo
