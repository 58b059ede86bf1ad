#pragma once

#include "core/RecordLayout.h"

// TSchedaFornitori, the record of Fornitori.pro.
namespace Fornitori {

enum Field : int {
    Ditta, Titolare, Recapito, IndirizzoRes, ProvRes, ComuneRes, CapRes, Pagamento, TelCasa,
    TelUff, TelCel, Fax, Email, CodFisc, Carta, ScadeCarta, PartitaIva, Iban, Articoli, Offerte,
    Ordine, Questioni, Note, Ricontatta, File01, File02, File03, Desc01, Desc02, Desc03
};

const RecordLayout &layout();
inline const char *fileName() { return "Fornitori.pro"; }

} // namespace Fornitori
