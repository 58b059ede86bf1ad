#include "ClientiRecord.h"

namespace Clienti {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaClienti"),
                                {{"Cognome", 50},     {"Nome", 50},       {"Ditta", 50},
                                 {"Sesso", 1},        {"Recapito", 50},   {"IndirizzoRes", 50},
                                 {"ProvRes", 2},      {"ComuneRes", 50},  {"CapRes", 5},
                                 {"DataNasc", 30},    {"ComuneNasc", 50}, {"ProvNasc", 2},
                                 {"TelCasa", 30},     {"TelUff", 30},     {"TelCel", 30},
                                 {"Pec", 60},         {"Email", 50},      {"CodFisc", 16},
                                 {"Carta", 30},       {"ScadeCarta", 30}, {"PartitaIva", 11},
                                 {"Iban", 27},        {"TipoPat", 30},    {"NumPat", 50},
                                 {"EnteRil", 50},     {"DataRil", 10},    {"DataSca", 10},
                                 {"Conducente", 250}, {"Questioni", 250}, {"Note", 250},
                                 {"CodiceDest", 7},   {"Ricontatta", 2},  {"File01", 250},
                                 {"File02", 250},     {"File03", 250},    {"Desc01", 250},
                                 {"Desc02", 250},     {"Desc03", 250}});
    return l;
}

} // namespace Clienti
