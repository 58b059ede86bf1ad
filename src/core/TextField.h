#pragma once

#include <QString>

// A Text(N) field: one length byte, then N bytes of Windows-1252 text.
namespace TextField {

// Removes from both ends every character whose code is at most 32 (blanks and control characters).
// Not QString::trimmed(), which also strips other Unicode spaces and keeps control characters.
QString trim(QStringView text);

// Writes the trimmed, converted text cut to `capacity` bytes into `field` (capacity + 1 bytes);
// the unused bytes are zero.
void store(char *field, int capacity, QStringView text);

// The field's text as a control shows it: at most `capacity` bytes whatever the length byte says,
// converted and trimmed.
QString load(const char *field, int capacity);

// The raw length byte exceeds the capacity (what `quadrivo-tool verify` reports).
bool lengthOverflows(const char *field, int capacity);

} // namespace TextField
