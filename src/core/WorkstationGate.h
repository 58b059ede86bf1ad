#pragma once

#include <QString>

// A lock on a small file in this workstation's temporary folder, one per archive, that the copies
// of the program running here take before they open that archive on an SMB share, and give back
// after closing it. Why: see WorkstationGate.cpp.
class WorkstationGate
{
public:
    enum class Use { SmbSharesOnly, Always, Never };
    static void setUse(Use use); // for tests and the tool; SmbSharesOnly by default

    WorkstationGate() = default;
    ~WorkstationGate() { release(); }
    WorkstationGate(const WorkstationGate &) = delete;
    WorkstationGate &operator=(const WorkstationGate &) = delete;

    // Waits for the gate of `archivePath` at most `waitMs` ms. False only when another copy on
    // this workstation kept it that long (errno EWOULDBLOCK); a gate that cannot be made (no
    // temporary folder) is not waited for.
    bool take(const QString &archivePath, int waitMs);
    void release();

    // Where the gate of `archivePath` lives.
    static QString filePath(const QString &archivePath);

private:
    int m_fd = -1;
};

// The pause between two requests for a lock that was refused: short and uneven, so a copy that
// gives a lock back and takes it again at once leaves a gap the others can hit.
void pauseBeforeAskingAgain();
