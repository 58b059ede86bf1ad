#pragma once

#include "core/RecordLayout.h"

// TSchedaPreventivi, the record of the yearly files yyyy.pre: a header, the transport data, thirty
// lines held column by column, then the totals.
namespace Preventivi {

enum Field : int {
    txtNumFatt, txtData, txtDitta, txtViaDitta, txtCapDitta, txtCittaDitta, txtProvDitta,
    txtIvaDitta, txtCodFiscDitta, txtLibero01, txtLibero02, txtCliente, txtViaCliente,
    txtCapCliente, txtCittaCliente, txtProvCliente, txtIvaCliente, txtCodFiscCliente,
    txtRiferimenti, txtPagamento, txtBanca, txtIban, memVeicolo, memMarca, memColore,
    memImmatricolazione, memAlimentazione, memTarga,
    FirstLineField // the line blocks start here
};

constexpr int kLines = 30;

// The seven per-line columns, in record order.
enum class Column : int { Quant, Codice, Desc, Prezzo, PercSconto, Importo, Es };
constexpr int kColumns = 7;

// Field index of a line's column; line is 1-based (1..30).
constexpr int lineField(Column column, int line)
{
    return FirstLineField + int(column) * kLines + (line - 1);
}

enum Closing : int {
    txtTotImponibile = FirstLineField + kColumns * kLines,
    txtPercIva, txtTotImposta, txtTotIva, txtTotEsente, txtTotFattura, txtNote, chkSaldata,
    FieldCount
};

const RecordLayout &layout();
inline const char *fileSuffix() { return ".pre"; }

} // namespace Preventivi
