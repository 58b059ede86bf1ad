#include "MagazzinoRecord.h"

namespace Magazzino {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaMagazzino"),
                                {QUADRIVO_MAGAZZINO_FIELDS(QUADRIVO_FIELD_SPEC)});
    return l;
}

} // namespace Magazzino
