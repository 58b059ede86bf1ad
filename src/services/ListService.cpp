#include "ListService.h"

#include "core/Archive.h"
#include "core/RecordLayout.h"
#include "core/TextField.h"

#include <QFileInfo>
#include <memory>

namespace ListService {

AddLine linesOf(const LineRecipe &recipe)
{
    auto maker = std::make_shared<const LineMaker>(recipe);
    return [maker](const RecordView &view, qint64 position, ListText::Lines &lines) {
        maker->add(view, position, lines);
    };
}

void scanInto(const QString &path, const RecordLayout &layout, const Keep &keep, const AddLine &addLine,
              Missing missing, ListText::Lines &lines)
{
    if (missing == Missing::Empty && !QFileInfo::exists(path))
        return;
    Archive(path, layout.recordSize()).scan([&](qint64 position, const char *bytes) {
        const RecordView view(layout, bytes);
        if (!keep || keep(view))
            addLine(view, position, lines);
        return true;
    });
}

ListText::Lines collect(const QString &path, const RecordLayout &layout, const Keep &keep,
                        const AddLine &addLine, Missing missing)
{
    ListText::Lines lines;
    scanInto(path, layout, keep, addLine, missing, lines);
    lines.sort();
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

ListText::Lines search(const ArchiveKind &kind, const QString &path, const std::vector<Criterion> &criteria,
                       Missing missing)
{
    return collect(path, *kind.layout, matchAll(criteria), linesOf(kind.search.line), missing);
}

} // namespace ListService
