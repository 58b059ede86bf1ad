#include "FornitoriRecord.h"

namespace Fornitori {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaFornitori"),
                                {QUADRIVO_FORNITORI_FIELDS(QUADRIVO_FIELD_SPEC)});
    return l;
}

} // namespace Fornitori
