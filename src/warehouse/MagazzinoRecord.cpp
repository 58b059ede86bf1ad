#include "MagazzinoRecord.h"

namespace Magazzino {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaMagazzino"),
                                {{"Codice", 30},       {"Tipologia", 250},     {"Marca", 250},
                                 {"Modello", 250},     {"Accessori", 250},     {"Descrizione", 250},
                                 {"Fornitore", 250},   {"Recapiti", 50},       {"Data", 50},
                                 {"Costo", 15},        {"Valore", 15},         {"Documento", 250},
                                 {"Ordine", 250},      {"Prezzo", 15},         {"PercIva", 2},
                                 {"Prezzo_con_Iva", 15}, {"Collocazione", 250}, {"Giacenza", 15},
                                 {"Sottoscorta", 15},  {"Altezza", 30},        {"Larghezza", 30},
                                 {"Lunghezza", 30},    {"Scadenza", 30},       {"Note", 250},
                                 {"File01", 250},      {"File02", 250},        {"File03", 250},
                                 {"Desc01", 250},      {"Desc02", 250},        {"Desc03", 250},
                                 {"Cartella", 250},    {"CartellaDesc", 250}});
    return l;
}

} // namespace Magazzino
