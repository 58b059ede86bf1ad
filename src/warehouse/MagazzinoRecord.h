#pragma once

#include "core/RecordLayout.h"

// TSchedaMagazzino, the record of Magazzino.pro.
namespace Magazzino {

enum Field : int {
    Codice, Tipologia, Marca, Modello, Accessori, Descrizione, Fornitore, Recapiti, Data, Costo,
    Valore, Documento, Ordine, Prezzo, PercIva, Prezzo_con_Iva, Collocazione, Giacenza,
    Sottoscorta, Altezza, Larghezza, Lunghezza, Scadenza, Note, File01, File02, File03, Desc01,
    Desc02, Desc03, Cartella, CartellaDesc
};

const RecordLayout &layout();
inline const char *fileName() { return "Magazzino.pro"; }

} // namespace Magazzino
