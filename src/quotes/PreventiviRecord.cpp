#include "PreventiviRecord.h"

namespace Preventivi {
namespace {

std::vector<RecordLayout::FieldSpec> fields()
{
    std::vector<RecordLayout::FieldSpec> f = {
        {"txtNumFatt", 30},       {"txtData", 20},         {"txtDitta", 50},
        {"txtViaDitta", 50},      {"txtCapDitta", 12},     {"txtCittaDitta", 50},
        {"txtProvDitta", 2},      {"txtIvaDitta", 30},     {"txtCodFiscDitta", 30},
        {"txtLibero01", 50},      {"txtLibero02", 50},     {"txtCliente", 50},
        {"txtViaCliente", 50},    {"txtCapCliente", 12},   {"txtCittaCliente", 50},
        {"txtProvCliente", 2},    {"txtIvaCliente", 30},   {"txtCodFiscCliente", 30},
        {"txtRiferimenti", 50},   {"txtPagamento", 50},    {"txtBanca", 50},
        {"txtIban", 50},          {"memVeicolo", 50},      {"memMarca", 50},
        {"memColore", 50},        {"memImmatricolazione", 30}, {"memAlimentazione", 50},
        {"memTarga", 30}};
    const struct
    {
        const char *prefix;
        int capacity;
    } columns[kColumns] = {{"txtQuant", 6},      {"txtCodice", 20},  {"txtDesc", 55},
                           {"txtPrezzo", 10},    {"txtPercSconto", 6}, {"txtImporto", 10},
                           {"chkEs", 2}};
    for (const auto &c : columns) {
        for (int line = 1; line <= kLines; ++line)
            f.push_back({QStringLiteral("%1%2").arg(QLatin1StringView(c.prefix)).arg(line, 2, 10, QChar(u'0')),
                         c.capacity});
    }
    const std::vector<RecordLayout::FieldSpec> closing = {
        {"txtTotImponibile", 10}, {"txtPercIva", 10}, {"txtTotImposta", 10}, {"txtTotIva", 10},
        {"txtTotEsente", 10},     {"txtTotFattura", 10}, {"txtNote", 250},   {"chkSaldata", 2}};
    f.insert(f.end(), closing.begin(), closing.end());
    return f;
}

} // namespace

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaPreventivi"), fields());
    return l;
}

} // namespace Preventivi
