#include "FornitoriRecord.h"

namespace Fornitori {

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaFornitori"),
                                {{"Ditta", 50},      {"Titolare", 120},  {"Recapito", 50},
                                 {"IndirizzoRes", 50}, {"ProvRes", 2},   {"ComuneRes", 50},
                                 {"CapRes", 5},      {"Pagamento", 250}, {"TelCasa", 30},
                                 {"TelUff", 30},     {"TelCel", 30},     {"Fax", 30},
                                 {"Email", 50},      {"CodFisc", 16},    {"Carta", 30},
                                 {"ScadeCarta", 30}, {"PartitaIva", 11}, {"Iban", 27},
                                 {"Articoli", 250},  {"Offerte", 250},   {"Ordine", 250},
                                 {"Questioni", 250}, {"Note", 250},      {"Ricontatta", 2},
                                 {"File01", 250},    {"File02", 250},    {"File03", 250},
                                 {"Desc01", 250},    {"Desc02", 250},    {"Desc03", 250}});
    return l;
}

} // namespace Fornitori
