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
    // Each scanning thread builds its blocks' lines apart; they join the list in file order.
    std::vector<ListText::Lines> pieces(static_cast<size_t>(RecordFile::scanSlots()));
    const qint64 size = layout.recordSize();
    Archive(path, int(size))
        .scanBlocks(
            [&](int slot, qint64 first, const char *records, qint64 count) {
                ListText::Lines &piece = pieces[size_t(slot)];
                for (qint64 i = 0; i < count; ++i) {
                    const RecordView view(layout, records + i * size);
                    if (!keep || keep(view))
                        addLine(view, first + i, piece);
                }
            },
            [&](int slot) { lines.takeFrom(pieces[size_t(slot)]); });
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
