#pragma once

#include "ExportTable.h"
#include "shell/Help.h"

#include <QString>

class Archive;
class RecordLayout;

// One member of the export family: what its window and its file are called and which columns it
// shows. The archives' members read every record; the deadline lists fill their own rows.
struct ExportMember
{
    QString objectName; // TfrmExp...
    QString caption;
    QString fileName; // in the program folder
    QString sheetName;
    HelpPage helpPage;
    const RecordLayout *layout;
    QList<ExportTable::Column> columns;
};

namespace ExportMembers {

// The member of an archive kind (its description's `exports`): "customers", "suppliers", "items", "quotes",
// "deadlines"; nullptr for any other name.
const ExportMember *forKind(const QString &kindName);
QStringList kindNames();

// A column of a member's table: header and width in the file, the fields it joins, whether the grid
// lets the user edit it, its alignment, and the grid's header where it differs from the file's.
ExportTable::Column column(const char *header, int width, QList<int> fields, bool editable = false,
                           SpreadsheetWriter::Align align = SpreadsheetWriter::Align::Left,
                           const char *gridHeader = nullptr);

// The 19 columns of the deadline archive; the calendar lists add their sort key as a 20th.
QList<ExportTable::Column> deadlineColumns();

// Every record of the archive in file order, numbered from 1. Throws ArchiveError.
ExportTable readArchive(const ExportMember &member, const Archive &archive);

} // namespace ExportMembers

namespace ExportMembers {

// Writes the table to `path` through a temporary file in the same folder, renamed over the old
// file only once everything was written: a failure leaves the previous file as it was.
bool saveFile(const ExportTable &table, const QString &sheetName, const QString &path,
              const std::function<void(qint64)> &progress = {});

// The member's file for every record of the archive, formatted as they are read and written as
// saveFile writes: the same bytes as saving readArchive's table, without holding the rows.
// False when the file could not be written; throws ArchiveError when the archive could not be
// read. Either way the previous file stays as it was.
bool exportArchive(const ExportMember &member, const Archive &archive, const QString &path);
// The same bytes written to `device` as they are formatted, with no temporary file or sync.
bool writeArchive(const ExportMember &member, const Archive &archive, QIODevice &device);

} // namespace ExportMembers
