#pragma once

#include "core/RecordLayout.h"

// TSchedaScadenzario, the record of the yearly files yyyy.sca.
namespace Scadenzario {

enum Field : int {
    Giorno, Mese, Anno, Data, OreApp, MinutiApp, Ora, Avviso, Pagatore, CodFisc, NumTessera,
    Carica, TelCel, Recapito, Anticipi, Complessivo, Rateazione, Beneficiario, Dettagli,
    Officina, Costo, Contatto, Note, DaConfermare, Effettuata
};

const RecordLayout &layout();
inline const char *fileSuffix() { return ".sca"; }

} // namespace Scadenzario
