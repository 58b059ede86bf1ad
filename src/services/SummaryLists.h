#pragma once

#include "ArchiveKind.h"
#include "ListService.h"
#include "core/ListText.h"

#include <QString>
#include <vector>

// The summary lists of the archives (records marked for a call back, items under stock, pending
// quotes, deadlines to confirm or pay), without any window.
namespace SummaryLists {

struct Member
{
    const ArchiveKind *kind;
    const SummaryList *list;
};

// Every list of every archive, in menu order.
std::vector<Member> all();
// By quadrivo-tool's name ("recall-customers", ...); kind and list are null when none.
Member byName(QStringView name);

// The list's lines with their record positions, in the list's order (sorted or file order).
// Throws ArchiveError when the archive cannot be opened or read.
ListText::Lines collect(const SummaryList &list, const RecordLayout &layout, const QString &path,
                        ListService::Missing missing);
// The same into `lines`: when reading fails, the lines read so far stay there, in file order.
// Sorting is then the caller's.
void collectInto(const SummaryList &list, const RecordLayout &layout, const QString &path,
                 ListService::Missing missing, ListText::Lines &lines);

// Selection tests of the descriptions.
// The field, trimmed, reads exactly `text` ("Sì", "No").
std::function<bool(const RecordView &)> flagIs(int field, const QString &text);
// Both fields read as numbers and the first is at most the second; a record whose numbers do not
// read is left out, and the lists go on with the next one.
std::function<bool(const RecordView &)> atMost(int field, int limit);

} // namespace SummaryLists
