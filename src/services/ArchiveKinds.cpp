#include "ArchiveKinds.h"

#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFileInfo>

namespace ArchiveKinds {

const RecordLayout *layoutForFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name == QLatin1StringView(Clienti::fileName()))
        return &Clienti::layout();
    if (name == QLatin1StringView(Fornitori::fileName()))
        return &Fornitori::layout();
    if (name == QLatin1StringView(Magazzino::fileName()))
        return &Magazzino::layout();
    if (name.size() == 8 && name.endsWith(QLatin1StringView(Preventivi::fileSuffix())))
        return &Preventivi::layout();
    if (name.size() == 8 && name.endsWith(QLatin1StringView(Scadenzario::fileSuffix())))
        return &Scadenzario::layout();
    return nullptr;
}

} // namespace ArchiveKinds
