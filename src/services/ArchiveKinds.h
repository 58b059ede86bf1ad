#pragma once

#include "ArchiveKind.h"

#include <QString>

// The five archives, registered in one place.
namespace ArchiveKinds {

const ArchiveKind &get(ArchiveKindId id);
// Every archive, in menu order.
const std::vector<const ArchiveKind *> &all();
// By quadrivo-tool's name ("customers", ...) or by its card's mode tag; nullptr when none.
const ArchiveKind *byName(QStringView name);
const ArchiveKind *byModeTag(QStringView tag);
// The archive a file holds, told by its name: Clienti.pro, Fornitori.pro, Magazzino.pro, four
// characters + ".pre" (quotes), four characters + ".sca" (deadlines). nullptr for other names.
const ArchiveKind *forFile(const QString &path);
// Kept for callers that only need the layout.
const RecordLayout *layoutForFile(const QString &path);

} // namespace ArchiveKinds

// Each area's description, in its own folder.
const ArchiveKind &customersKind();
const ArchiveKind &suppliersKind();
const ArchiveKind &itemsKind();
const ArchiveKind &quotesKind();
const ArchiveKind &deadlinesKind();
