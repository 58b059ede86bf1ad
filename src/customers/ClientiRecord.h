#pragma once

#include "core/RecordLayout.h"

// TSchedaClienti, the record of Clienti.pro.
namespace Clienti {

enum Field : int {
    Cognome, Nome, Ditta, Sesso, Recapito, IndirizzoRes, ProvRes, ComuneRes, CapRes, DataNasc,
    ComuneNasc, ProvNasc, TelCasa, TelUff, TelCel, Pec, Email, CodFisc, Carta, ScadeCarta,
    PartitaIva, Iban, TipoPat, NumPat, EnteRil, DataRil, DataSca, Conducente, Questioni, Note,
    CodiceDest, Ricontatta, File01, File02, File03, Desc01, Desc02, Desc03
};

const RecordLayout &layout();
inline const char *fileName() { return "Clienti.pro"; }

} // namespace Clienti
