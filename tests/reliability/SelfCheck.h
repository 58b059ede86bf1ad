#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Records that prove their own integrity: a writer number and a sequence number at the front,
// then bytes that follow from those two alone. A record that is torn, shifted or mixed with
// another one no longer matches what its header promises.
namespace SelfCheck {

struct Stamp
{
    int writer;
    qint64 sequence;
};

QByteArray makeRecord(int recordSize, int writer, qint64 sequence);
// The stamp of a record that matches its header byte for byte; nullopt for anything else.
std::optional<Stamp> check(const char *bytes, int recordSize);

// What a file of self-checking records holds, for `writers` writers that were each asked for
// `perWriter` records (0: as many as they managed).
struct Tally
{
    qint64 records = 0; // whole records in the file
    qint64 torn = 0;    // whole records that do not check
    qint64 duplicated = 0;
    qint64 lost = 0;      // sequence numbers missing below a writer's highest one (or below perWriter)
    qint64 tailBytes = 0; // bytes after the last whole record
    qint64 switches = 0;  // neighbouring records from different writers: how much they interleaved
    QString firstProblem;
};
Tally tally(const QByteArray &file, int recordSize, int writers, qint64 perWriter);

} // namespace SelfCheck
