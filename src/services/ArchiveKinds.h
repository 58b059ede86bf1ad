#pragma once

#include "core/RecordLayout.h"

#include <QString>

// Which record layout an archive file holds, told by its name: Clienti.pro, Fornitori.pro,
// Magazzino.pro, four characters + ".pre" (quotes), four characters + ".sca" (deadlines).
namespace ArchiveKinds {

// nullptr when the name is none of those. Only the file name counts, not the folder.
const RecordLayout *layoutForFile(const QString &path);

} // namespace ArchiveKinds
