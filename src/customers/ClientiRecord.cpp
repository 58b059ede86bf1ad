#include "ClientiRecord.h"

namespace Clienti {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaClienti"),
                                {QUADRIVO_CLIENTI_FIELDS(QUADRIVO_FIELD_SPEC)});
    return l;
}

} // namespace Clienti
