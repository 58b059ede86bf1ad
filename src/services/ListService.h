#pragma once

#include "ArchiveKind.h"
#include "core/ListLines.h"
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

// Both are called on the scanning threads, for several records at once: they must not change
// anything they share.
using Keep = std::function<bool(const RecordView &)>;
// Adds the line of a kept record, with its position, to the list.
using AddLine = std::function<void(const RecordView &, qint64 position, ListText::Lines &)>;

// The lines a recipe builds, straight from the stored bytes.
AddLine linesOf(const LineRecipe &recipe);

// Adds the lines of the kept records to `lines` in file order. When reading fails (ArchiveError),
// the lines read so far stay in `lines`.
void scanInto(const QString &path, const RecordLayout &layout, const Keep &keep, const AddLine &addLine,
              Missing missing, ListText::Lines &lines);
// The same, sorted in the list order. Throws ArchiveError when the archive cannot be opened or read.
ListText::Lines collect(const QString &path, const RecordLayout &layout, const Keep &keep,
                        const AddLine &addLine, Missing missing);

// The search window's list: records where every criterion that is not blank occurs in its field.
ListText::Lines search(const ArchiveKind &kind, const QString &path, const std::vector<Criterion> &criteria,
                       Missing missing);

// The criteria that take part (blank ones dropped), ready to test raw bytes.
Keep matchAll(const std::vector<Criterion> &criteria);

} // namespace ListService
