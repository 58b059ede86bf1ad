#include "PasswordStore.h"

#include "core/Crypt.h"
#include "core/IniFile.h"
#include "core/ListText.h"
#include "core/TextField.h"
#include "core/Win1252.h"

namespace PasswordStore {
namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");

// The cipher works on bytes. Going through the code page of the file keeps every password
// comparable with what it was stored as: a character the code page lacks becomes "?" on both
// sides, so no password can be stored that could never be typed again.
QString codePageForm(const QString &text)
{
    return Win1252::decode(Win1252::encode(text));
}

} // namespace

QString plainForm(const QString &typed)
{
    return codePageForm(ListText::upperAZ(TextField::trim(typed)));
}

QString storedValue(const QString &typed)
{
    return Crypt::scramble(QString::fromLatin1(Win1252::encode(plainForm(typed))));
}

bool read(const QString &path, QString *password)
{
    IniFile ini;
    if (!ini.load(path))
        return false;
    const std::optional<QString> bytes = Crypt::unscramble(ini.value(kSection, kKey));
    if (!bytes)
        return false;
    *password = TextField::trim(Win1252::decode(bytes->toLatin1()));
    return true;
}

CheckResult check(const QString &path, const QString &typed)
{
    QString stored;
    if (!read(path, &stored))
        return CheckResult::ReadFailed;
    return plainForm(typed) == stored ? CheckResult::Accepted : CheckResult::Refused;
}

ChangeResult change(const QString &path, const QString &oldTyped, const QString &newTyped,
                    const QString &confirmation)
{
    QString stored;
    if (!read(path, &stored))
        return ChangeResult::Failed;
    if (plainForm(oldTyped) != stored)
        return ChangeResult::OldRefused;
    if (TextField::trim(newTyped) != TextField::trim(confirmation))
        return ChangeResult::NotConfirmed;
    if (!IniFile::write(path, kSection, kKey, storedValue(newTyped)))
        return ChangeResult::Failed;
    return ChangeResult::Changed;
}

} // namespace PasswordStore
