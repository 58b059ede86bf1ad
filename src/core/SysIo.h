#pragma once

#include <functional>
#include <sys/types.h>

// Every system call the archive and file writers make goes through this table, so a test can
// make the k-th call fail (once, or from then on) and check that nothing is lost.
namespace SysIo {

enum class Call { Open, Close, PRead, PWrite, LSeek, Fcntl, FDataSync };

int open(const char *path, int flags, mode_t mode = 0);
int close(int fd);
ssize_t pread(int fd, void *buf, size_t count, off_t offset);
ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset);
off_t lseek(int fd, off_t offset, int whence);
int fcntl(int fd, int cmd, void *arg);
int fdatasync(int fd);

// A fault hook: called before each call; returning an errno value (> 0) makes the call fail with
// it without reaching the system. For PWrite, returning -1 writes half the bytes and then
// reports success for those (a short write, as on a disk that fills up); for PRead it reads half
// the bytes asked for (a short read, as over a network share).
using FaultHook = std::function<int(Call)>;
void setFaultHook(FaultHook hook);
// A hook for reads alone that also sees which bytes are asked for, for reads made on several
// threads at once (it must be safe to call from any of them); consulted after the fault hook.
using ReadFaultHook = std::function<int(off_t offset, size_t count)>;
void setReadFaultHook(ReadFaultHook hook);
// Clears both hooks.
void clearFaultHook();

} // namespace SysIo
