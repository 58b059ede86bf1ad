#pragma once

#include "core/SysIo.h"

#include <QMetaType>
#include <cerrno>
#include <utility>

// Fails the k-th system call as its mode says, and remembers what it did: the sweeps install it
// with SysIo::setFaultHook and raise k until an action goes through untouched.
enum class FaultMode { Once, FromThenOn, ShortIo };

struct FaultInjector
{
    int k;
    FaultMode mode;
    int calls = 0;
    bool failedLock = false;  // the lock was refused (it is asked again until its deadline)
    bool failedOther = false; // another call failed with an error
    bool shortWrite = false;  // a write was cut short
    bool shortRead = false;

    int operator()(SysIo::Call c)
    {
        if (mode == FaultMode::ShortIo) {
            if (c != SysIo::Call::PRead && c != SysIo::Call::PWrite)
                return 0;
            if (++calls != k)
                return 0;
            (c == SysIo::Call::PWrite ? shortWrite : shortRead) = true;
            return -1;
        }
        ++calls;
        if (calls == k || (mode == FaultMode::FromThenOn && calls > k)) {
            (c == SysIo::Call::Fcntl ? failedLock : failedOther) = true;
            return EIO;
        }
        return 0;
    }
    bool failed() const { return failedLock || failedOther; }
    bool injected() const { return failed() || shortWrite || shortRead; }
    // What must be reported: a lock refused to the end counts, but a refusal granted when asked
    // again, or a short read that was simply read on, does not.
    bool mustFail() const
    {
        return failedOther || shortWrite || (failedLock && mode == FaultMode::FromThenOn);
    }
};

Q_DECLARE_METATYPE(FaultMode)

// The modes with the names the test rows carry.
inline constexpr std::pair<FaultMode, const char *> kFaultModes[] = {
    {FaultMode::Once, "once"},
    {FaultMode::FromThenOn, "from then on"},
    {FaultMode::ShortIo, "short read/write"}};
