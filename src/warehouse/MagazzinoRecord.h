#pragma once

#include "core/RecordFields.h"

// TSchedaMagazzino, the record of Magazzino.pro: each field with its capacity, in record order.
// clang-format off
#define QUADRIVO_MAGAZZINO_FIELDS(X)                                                                \
    X(Codice, 30) X(Tipologia, 250) X(Marca, 250) X(Modello, 250) X(Accessori, 250)                \
    X(Descrizione, 250) X(Fornitore, 250) X(Recapiti, 50) X(Data, 50) X(Costo, 15) X(Valore, 15)   \
    X(Documento, 250) X(Ordine, 250) X(Prezzo, 15) X(PercIva, 2) X(Prezzo_con_Iva, 15)             \
    X(Collocazione, 250) X(Giacenza, 15) X(Sottoscorta, 15)                                        \
    /* The four extra data of "Altre informazioni", free texts whose controls keep older names: */ \
    X(Altezza, 30)   /* memConsumo */                                                              \
    X(Larghezza, 30) /* memAderenza */                                                             \
    X(Lunghezza, 30) /* memRumore */                                                               \
    X(Scadenza, 30)  /* memOnde: a free text, not a date the program reads */                      \
    X(Note, 250) X(File01, 250) X(File02, 250) X(File03, 250) X(Desc01, 250) X(Desc02, 250)        \
    X(Desc03, 250) X(Cartella, 250) X(CartellaDesc, 250)
// clang-format on

namespace Magazzino {

enum Field : int { QUADRIVO_MAGAZZINO_FIELDS(QUADRIVO_FIELD_HANDLE) };

inline constexpr int kFieldCount = 0 QUADRIVO_MAGAZZINO_FIELDS(QUADRIVO_FIELD_COUNT);
inline constexpr int kRecordSize = 0 QUADRIVO_MAGAZZINO_FIELDS(QUADRIVO_FIELD_BYTES);
// Existing Magazzino.pro files have records of exactly this size.
static_assert(kRecordSize == 4874);

const RecordLayout &layout();
inline const RecordLayout &layoutOf(Field)
{
    return layout();
}
inline const char *fileName()
{
    return "Magazzino.pro";
}

} // namespace Magazzino
