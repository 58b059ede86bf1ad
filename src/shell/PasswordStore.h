#pragma once

#include <QString>

// The access password kept scrambled in the password file (section "Accesso", key "Valore").
// Passwords are compared in their plain form: trimmed, the letters a-z upper-cased.
namespace PasswordStore {

enum class CheckResult { Accepted, Refused, ReadFailed };
enum class ChangeResult { Changed, OldRefused, NotConfirmed, Failed };

// The plain form of a typed password, as it is compared and stored.
QString plainForm(const QString &typed);

// The stored password, unscrambled and trimmed; a missing file, section or key gives an empty
// one. False when the file cannot be read or the stored value is not hexadecimal.
bool read(const QString &path, QString *password);

CheckResult check(const QString &path, const QString &typed);

// Checks the old password, compares new and confirmation as typed (trimmed, case included) and
// stores the new one, keeping every other line of the file.
ChangeResult change(const QString &path, const QString &oldTyped, const QString &newTyped,
                    const QString &confirmation);

// The value written for a password: its plain form scrambled.
QString storedValue(const QString &typed);

} // namespace PasswordStore
