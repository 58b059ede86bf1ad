#include "ScadenzarioRecord.h"

namespace Scadenzario {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaScadenzario"),
                                {{"Giorno", 2},        {"Mese", 10},          {"Anno", 4},
                                 {"Data", 10},         {"OreApp", 2},         {"MinutiApp", 2},
                                 {"Ora", 5},           {"Avviso", 3},         {"Pagatore", 50},
                                 {"CodFisc", 16},      {"NumTessera", 50},    {"Carica", 50},
                                 {"TelCel", 30},       {"Recapito", 50},      {"Anticipi", 120},
                                 {"Complessivo", 50},  {"Rateazione", 120},   {"Beneficiario", 50},
                                 {"Dettagli", 250},    {"Officina", 150},     {"Costo", 15},
                                 {"Contatto", 50},     {"Note", 250},         {"DaConfermare", 2},
                                 {"Effettuata", 2}});
    return l;
}

} // namespace Scadenzario
