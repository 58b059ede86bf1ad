#pragma once

#include "ArchiveKind.h"
#include "core/ListText.h"
#include "core/RecordView.h"

#include <QString>
#include <functional>
#include <vector>

class RecordLayout;

// The lists of every list window, without any window: one pass over an archive in large blocks,
// a test on the raw bytes of each record, a line built only for the records kept (with the
// record's position), and one sort at the end in the list order.
namespace ListService {

// What a missing archive gives: an empty list either way; Create also makes the empty file, as
// the windows do when they open an archive.
enum class Missing { Empty, Create };

struct Criterion
{
    int field;
    QString text; // as typed: not trimmed; blank (empty after trimming) means "any"
};

using Keep = std::function<bool(const RecordView &)>;
using LineOf = std::function<QString(const RecordView &)>;

// Throws ArchiveError when the archive cannot be opened or read.
std::vector<ListText::Line> collect(const QString &path, const RecordLayout &layout, const Keep &keep,
                                    const LineOf &lineOf, Missing missing);

// The search window's list: records where every criterion that is not blank occurs in its field.
std::vector<ListText::Line> search(const ArchiveKind &kind, const QString &path,
                                   const std::vector<Criterion> &criteria, Missing missing);

// The criteria that take part (blank ones dropped), ready to test raw bytes.
Keep matchAll(const std::vector<Criterion> &criteria);

} // namespace ListService
