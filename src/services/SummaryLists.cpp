#include "SummaryLists.h"

#include "ArchiveKinds.h"
#include "core/Numbers.h"
#include "core/RecordLayout.h"
#include "core/Win1252.h"

namespace SummaryLists {

std::vector<Member> all()
{
    std::vector<Member> members;
    for (const ArchiveKind *kind : ArchiveKinds::all()) {
        for (const SummaryList &list : kind->lists)
            members.push_back({kind, &list});
    }
    return members;
}

Member byName(QStringView name)
{
    for (const Member &m : all()) {
        if (m.list->name == name)
            return m;
    }
    return {nullptr, nullptr};
}

ListText::Lines collect(const SummaryList &list, const RecordLayout &layout, const QString &path,
                        ListService::Missing missing)
{
    ListText::Lines lines;
    collectInto(list, layout, path, missing, lines);
    if (list.sorted)
        lines.sort();
    return lines;
}

void collectInto(const SummaryList &list, const RecordLayout &layout, const QString &path,
                 ListService::Missing missing, ListText::Lines &lines)
{
    ListService::scanInto(path, layout, list.select, ListService::linesOf(list.line), missing, lines);
}

std::function<bool(const RecordView &)> flagIs(int field, const QString &text)
{
    return
        [field, bytes = Win1252::encode(text)](const RecordView &view) { return view.raw(field) == bytes; };
}

std::function<bool(const RecordView &)> atMost(int field, int limit)
{
    return [field, limit](const RecordView &view) {
        const auto value = Numbers::parse(view.text(field));
        const auto most = Numbers::parse(view.text(limit));
        return value && most && *value <= *most;
    };
}

} // namespace SummaryLists
