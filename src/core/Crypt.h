#pragma once

#include <QString>
#include <optional>

// The password file's light scrambling: a byte cipher with a 16-bit running key. It hides the
// password from a casual reader, nothing more.
namespace Crypt {

// Two upper-case hexadecimal digits per character (low 8 bits of each character's code).
QString scramble(QStringView text);
// The text back; a trailing odd digit is ignored; nullopt when a pair is not hexadecimal.
std::optional<QString> unscramble(QStringView hex);

} // namespace Crypt
