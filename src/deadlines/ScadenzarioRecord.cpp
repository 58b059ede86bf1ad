#include "ScadenzarioRecord.h"

namespace Scadenzario {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaScadenzario"),
                                {QUADRIVO_SCADENZARIO_FIELDS(QUADRIVO_FIELD_SPEC)});
    return l;
}

} // namespace Scadenzario
