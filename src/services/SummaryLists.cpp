#include "SummaryLists.h"

#include "ArchiveKinds.h"
#include "core/Archive.h"
#include "core/Numbers.h"
#include "core/RecordLayout.h"
#include "core/Win1252.h"

#include <QFileInfo>

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

std::vector<ListText::Line> collect(const SummaryList &list, const RecordLayout &layout, const QString &path,
                                    ListService::Missing missing)
{
    std::vector<ListText::Line> lines;
    collectInto(list, layout, path, missing, lines);
    return lines;
}

void collectInto(const SummaryList &list, const RecordLayout &layout, const QString &path,
                 ListService::Missing missing, std::vector<ListText::Line> &lines)
{
    if (missing == ListService::Missing::Empty && !QFileInfo::exists(path))
        return;
    Archive(path, layout.recordSize()).scan([&](qint64 position, const char *bytes) {
        const RecordView view(layout, bytes);
        if (list.select(view))
            lines.push_back({position, buildLine(list.line, view)});
        return true;
    });
    if (list.sorted)
        ListText::sortLines(lines);
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
