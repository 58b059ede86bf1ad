#pragma once

#include "ReportItem.h"

class QIODevice;

// Writes a prepared report as a PDF: A4 pages of its orientation, the document's title and
// subject, fonts embedded, pictures at quality 95, no protection.
namespace PdfFile {

// Into an open device; false when the device refused the bytes.
bool write(const PreparedReport &report, QIODevice &device);
// At `path`, replacing a file of that name only once the whole document is written: on any
// failure the earlier file stays as it was. False on failure.
bool write(const PreparedReport &report, const QString &path);

} // namespace PdfFile
