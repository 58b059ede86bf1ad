#pragma once

#include "core/RecordFields.h"

// TSchedaClienti, the record of Clienti.pro: each field with its capacity, in record order.
// clang-format off
#define QUADRIVO_CLIENTI_FIELDS(X)                                                                  \
    X(Cognome, 50) X(Nome, 50) X(Ditta, 50) X(Sesso, 1) X(Recapito, 50) X(IndirizzoRes, 50)        \
    X(ProvRes, 2) X(ComuneRes, 50) X(CapRes, 5) X(DataNasc, 30) X(ComuneNasc, 50) X(ProvNasc, 2)   \
    X(TelCasa, 30) X(TelUff, 30) X(TelCel, 30) X(Pec, 60) X(Email, 50) X(CodFisc, 16)              \
    X(Carta, 30) X(ScadeCarta, 30) X(PartitaIva, 11) X(Iban, 27)                                   \
    X(TipoPat, 30) X(NumPat, 50) /* any identity document, not only a driving licence */          \
    X(EnteRil, 50) X(DataRil, 10) X(DataSca, 10)                                                   \
    X(Conducente, 250) /* the products and services the customer is interested in */              \
    X(Questioni, 250) X(Note, 250) X(CodiceDest, 7) X(Ricontatta, 2)                               \
    X(File01, 250) X(File02, 250) X(File03, 250) X(Desc01, 250) X(Desc02, 250) X(Desc03, 250)
// clang-format on

namespace Clienti {

enum Field : int { QUADRIVO_CLIENTI_FIELDS(QUADRIVO_FIELD_HANDLE) };

inline constexpr int kFieldCount = 0 QUADRIVO_CLIENTI_FIELDS(QUADRIVO_FIELD_COUNT);
inline constexpr int kRecordSize = 0 QUADRIVO_CLIENTI_FIELDS(QUADRIVO_FIELD_BYTES);
// Existing Clienti.pro files have records of exactly this size.
static_assert(kRecordSize == 3151);

const RecordLayout &layout();
inline const RecordLayout &layoutOf(Field)
{
    return layout();
}
inline const char *fileName()
{
    return "Clienti.pro";
}

} // namespace Clienti
