#include "ListService.h"

#include "core/Archive.h"
#include "core/RecordLayout.h"
#include "core/TextField.h"

#include <QFileInfo>

namespace ListService {

std::vector<ListText::Line> collect(const QString &path, const RecordLayout &layout, const Keep &keep,
                                    const LineOf &lineOf, Missing missing)
{
    std::vector<ListText::Line> lines;
    if (missing == Missing::Empty && !QFileInfo::exists(path))
        return lines;
    Archive(path, layout.recordSize()).scan([&](qint64 position, const char *bytes) {
        const RecordView view(layout, bytes);
        if (!keep || keep(view))
            lines.push_back({position, lineOf(view)});
        return true;
    });
    ListText::sortLines(lines);
    return lines;
}

Keep matchAll(const std::vector<Criterion> &criteria)
{
    struct Test
    {
        int field;
        RecordView::Needle needle;
    };
    std::vector<Test> tests;
    for (const Criterion &c : criteria) {
        if (!TextField::trim(c.text).isEmpty())
            tests.push_back({c.field, RecordView::Needle(c.text)});
    }
    if (tests.empty())
        return {};
    return [tests = std::move(tests)](const RecordView &view) {
        for (const Test &t : tests) {
            if (!view.contains(t.field, t.needle))
                return false;
        }
        return true;
    };
}

std::vector<ListText::Line> search(const ArchiveKind &kind, const QString &path,
                                   const std::vector<Criterion> &criteria, Missing missing)
{
    const LineRecipe &recipe = kind.search.line;
    return collect(
        path, *kind.layout, matchAll(criteria),
        [&recipe](const RecordView &view) { return buildLine(recipe, view); }, missing);
}

} // namespace ListService
