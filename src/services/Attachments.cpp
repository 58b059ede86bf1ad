#include "Attachments.h"

#include "core/TextField.h"

#include <array>

namespace Attachments {

bool storable(const QString &path)
{
    // Round-trip through the very code that stores a field: whatever it would change is refused.
    if (path.size() > kCapacity)
        return false;
    std::array<char, kCapacity + 1> field{};
    TextField::store(field.data(), kCapacity, path);
    return TextField::load(field.data(), kCapacity) == path;
}

QString refusedMessage()
{
    return QStringLiteral(
        "Attenzione: impossibile allegare il file scelto: il suo percorso \u00E8 troppo lungo "
        "(pi\u00F9 di 250 caratteri) o contiene caratteri che l'archivio non pu\u00F2 "
        "memorizzare.\n\r\n\rSpostare o rinominare il file e riprovare.");
}

} // namespace Attachments
