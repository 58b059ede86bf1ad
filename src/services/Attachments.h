#pragma once

#include <QString>
#include <array>

// The three files a customer, supplier or item card points to: full paths and descriptions kept
// in the card's own record, each a Text(250) field.
namespace Attachments {

inline constexpr int kRows = 3;
inline constexpr int kCapacity = 250;

// The chosen path comes back from the archive exactly as it went in: not longer than the field,
// every character in Windows-1252, nothing the save would trim. A path that fails this would be
// stored cut or altered and no longer open the file.
bool storable(const QString &path);

QString refusedMessage();

// The three rows as a card holds them: path and description each.
struct Row
{
    QString file;
    QString desc;
    bool operator==(const Row &) const = default;
};
using Rows = std::array<Row, kRows>;

} // namespace Attachments
