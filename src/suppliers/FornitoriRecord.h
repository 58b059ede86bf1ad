#pragma once

#include "core/RecordFields.h"

// TSchedaFornitori, the record of Fornitori.pro: each field with its capacity, in record order.
// clang-format off
#define QUADRIVO_FORNITORI_FIELDS(X)                                                                \
    X(Ditta, 50) X(Titolare, 120) X(Recapito, 50) X(IndirizzoRes, 50) X(ProvRes, 2)                \
    X(ComuneRes, 50) X(CapRes, 5) X(Pagamento, 250) X(TelCasa, 30) X(TelUff, 30) X(TelCel, 30)     \
    X(Fax, 30) X(Email, 50) X(CodFisc, 16) X(Carta, 30) X(ScadeCarta, 30) X(PartitaIva, 11)        \
    X(Iban, 27) X(Articoli, 250) X(Offerte, 250) X(Ordine, 250) X(Questioni, 250) X(Note, 250)     \
    X(Ricontatta, 2) X(File01, 250) X(File02, 250) X(File03, 250) X(Desc01, 250) X(Desc02, 250)    \
    X(Desc03, 250)
// clang-format on

namespace Fornitori {

enum Field : int { QUADRIVO_FORNITORI_FIELDS(QUADRIVO_FIELD_HANDLE) };

inline constexpr int kFieldCount = 0 QUADRIVO_FORNITORI_FIELDS(QUADRIVO_FIELD_COUNT);
inline constexpr int kRecordSize = 0 QUADRIVO_FORNITORI_FIELDS(QUADRIVO_FIELD_BYTES);
// Existing Fornitori.pro files have records of exactly this size.
static_assert(kRecordSize == 3643);

const RecordLayout &layout();
inline const RecordLayout &layoutOf(Field)
{
    return layout();
}
inline const char *fileName()
{
    return "Fornitori.pro";
}

} // namespace Fornitori
