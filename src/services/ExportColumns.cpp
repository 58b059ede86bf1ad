#include "ArchiveKinds.h"
#include "ExportMembers.h"
#include "core/Archive.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ExportMembers {

ExportTable::Column column(const char *header, int width, QList<int> fields, bool editable,
                           SpreadsheetWriter::Align align, const char *gridHeader)
{
    ExportTable::Column c;
    c.header = QString::fromUtf8(header);
    c.gridHeader = gridHeader ? QString::fromUtf8(gridHeader) : c.header;
    c.width = width;
    c.fields = std::move(fields);
    c.align = align;
    c.editable = editable;
    return c;
}

} // namespace ExportMembers

namespace ExportMembers {

QList<ExportTable::Column> deadlineColumns()
{
    return deadlinesKind().exports.columns;
}

const ExportMember *forKind(const QString &kindName)
{
    const ArchiveKind *kind = ArchiveKinds::byName(kindName);
    return kind && kind->name == kindName && !kind->exports.columns.isEmpty() ? &kind->exports : nullptr;
}

QStringList kindNames()
{
    QStringList names;
    for (const ArchiveKind *kind : ArchiveKinds::all()) {
        if (!kind->exports.columns.isEmpty())
            names << kind->name;
    }
    return names;
}

ExportTable readArchive(const ExportMember &member, const Archive &archive)
{
    ExportTable table(*member.layout, member.columns);
    table.reserve(QFileInfo(archive.path()).size() / archive.recordSize());
    archive.scan([&](qint64 index, const char *record) {
        table.append(index, record); // 1-based position
        return true;
    });
    return table;
}

} // namespace ExportMembers

namespace {

// Writes through a temporary file in the same folder, renamed over `path` only once `write`
// succeeded; the temporary file goes when `write` fails or throws.
bool saveSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

namespace ExportMembers {

bool saveFile(const ExportTable &table, const QString &sheetName, const QString &path,
              const std::function<void(qint64)> &progress)
{
    return saveSafely(path, [&](QIODevice &file) { return table.write(file, sheetName, progress); });
}

bool writeArchive(const ExportMember &member, const Archive &archive, QIODevice &device)
{
    const ExportTable shape(*member.layout, member.columns);
    SpreadsheetWriter writer(device);
    shape.writeHead(writer, member.sheetName);
    std::string scratch;
    archive.scan([&](qint64, const char *record) {
        shape.writeRecordRow(writer, record, scratch);
        return !writer.failed();
    });
    return writer.finish();
}

bool exportArchive(const ExportMember &member, const Archive &archive, const QString &path)
{
    return saveSafely(path, [&](QIODevice &file) { return writeArchive(member, archive, file); });
}

} // namespace ExportMembers
