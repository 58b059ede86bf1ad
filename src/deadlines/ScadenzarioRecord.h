#pragma once

#include "core/RecordFields.h"

// TSchedaScadenzario, the record of the yearly files yyyy.sca: each field with its capacity, in
// record order. Many stored names are older than what the card keeps in them.
// clang-format off
#define QUADRIVO_SCADENZARIO_FIELDS(X)                                                              \
    X(Giorno, 2) X(Mese, 10) X(Anno, 4) X(Data, 10) X(OreApp, 2) X(MinutiApp, 2) X(Ora, 5)         \
    X(Avviso, 3)                                                                                   \
    X(Pagatore, 50)      /* the contact's surname and name */                                      \
    X(CodFisc, 16)                                                                                 \
    X(NumTessera, 50)    /* the contact's town of residence */                                     \
    X(Carica, 50)        /* the contact's open issues */                                           \
    X(TelCel, 30) X(Recapito, 50)                                                                  \
    X(Anticipi, 120)     /* the contact's telephone operator */                                    \
    X(Complessivo, 50)   /* where the appointment takes place */                                   \
    X(Rateazione, 120)   /* how long the appointment is expected to last */                        \
    X(Beneficiario, 50)  /* the agent in charge of the appointment */                              \
    X(Dettagli, 250)                                                                               \
    X(Officina, 150)     /* the payment method */                                                  \
    X(Costo, 15)                                                                                   \
    X(Contatto, 50)      /* the receipt's reference */                                             \
    X(Note, 250) X(DaConfermare, 2) X(Effettuata, 2)
// clang-format on

namespace Scadenzario {

enum Field : int { QUADRIVO_SCADENZARIO_FIELDS(QUADRIVO_FIELD_HANDLE) };

inline constexpr int kFieldCount = 0 QUADRIVO_SCADENZARIO_FIELDS(QUADRIVO_FIELD_COUNT);
inline constexpr int kRecordSize = 0 QUADRIVO_SCADENZARIO_FIELDS(QUADRIVO_FIELD_BYTES);
// Existing year files have records of exactly this size.
static_assert(kRecordSize == 1368);

const RecordLayout &layout();
inline const RecordLayout &layoutOf(Field)
{
    return layout();
}
inline const char *fileSuffix()
{
    return ".sca";
}

} // namespace Scadenzario
