#pragma once

#include "core/RecordFields.h"

// TSchedaPreventivi, the record of the yearly files yyyy.pre: a header, the transport data, thirty
// lines held column by column, then the totals. Each list gives its fields' capacities in record
// order.
// clang-format off
#define QUADRIVO_PREVENTIVI_HEADER_FIELDS(X)                                                        \
    X(txtNumFatt, 30) X(txtData, 20) X(txtDitta, 50) X(txtViaDitta, 50) X(txtCapDitta, 12)         \
    X(txtCittaDitta, 50) X(txtProvDitta, 2) X(txtIvaDitta, 30) X(txtCodFiscDitta, 30)              \
    X(txtLibero01, 50) X(txtLibero02, 50) X(txtCliente, 50) X(txtViaCliente, 50)                   \
    X(txtCapCliente, 12) X(txtCittaCliente, 50) X(txtProvCliente, 2) X(txtIvaCliente, 30)          \
    X(txtCodFiscCliente, 30) X(txtRiferimenti, 50) X(txtPagamento, 50) X(txtBanca, 50)             \
    X(txtIban, 50) X(memVeicolo, 50) X(memMarca, 50) X(memColore, 50) X(memImmatricolazione, 30)   \
    X(memAlimentazione, 50) X(memTarga, 30)
// The per-line columns: handle, stored name prefix (the line number follows, 01..30), capacity.
#define QUADRIVO_PREVENTIVI_LINE_COLUMNS(X)                                                         \
    X(Quant, txtQuant, 6) X(Codice, txtCodice, 20) X(Desc, txtDesc, 55) X(Prezzo, txtPrezzo, 10)   \
    X(PercSconto, txtPercSconto, 6) X(Importo, txtImporto, 10) X(Es, chkEs, 2)
#define QUADRIVO_PREVENTIVI_CLOSING_FIELDS(X)                                                       \
    X(txtTotImponibile, 10) X(txtPercIva, 10) X(txtTotImposta, 10) X(txtTotIva, 10)                \
    X(txtTotEsente, 10) X(txtTotFattura, 10) X(txtNote, 250) X(chkSaldata, 2)
// clang-format on

namespace Preventivi {

constexpr int kLines = 30;

#define QUADRIVO_PREVENTIVI_COLUMN(column, prefix, capacity) column,
// The seven per-line columns, in record order.
enum class Column : int { QUADRIVO_PREVENTIVI_LINE_COLUMNS(QUADRIVO_PREVENTIVI_COLUMN) };
#undef QUADRIVO_PREVENTIVI_COLUMN
#define QUADRIVO_PREVENTIVI_COLUMN(column, prefix, capacity) +1
constexpr int kColumns = 0 QUADRIVO_PREVENTIVI_LINE_COLUMNS(QUADRIVO_PREVENTIVI_COLUMN);
#undef QUADRIVO_PREVENTIVI_COLUMN

// The closing fields follow the line blocks; a line's field is addressed with lineField().
enum Field : int {
    QUADRIVO_PREVENTIVI_HEADER_FIELDS(QUADRIVO_FIELD_HANDLE) FirstLineField, // the line blocks start here
    LastLineField = FirstLineField + kColumns * kLines - 1,
    QUADRIVO_PREVENTIVI_CLOSING_FIELDS(QUADRIVO_FIELD_HANDLE) FieldCount
};

// Field of a line's column; line is 1-based (1..30).
constexpr Field lineField(Column column, int line)
{
    return Field(FirstLineField + int(column) * kLines + (line - 1));
}

#define QUADRIVO_PREVENTIVI_COLUMN(column, prefix, capacity) +kLines *(1 + (capacity))
inline constexpr int kRecordSize = 0 QUADRIVO_PREVENTIVI_HEADER_FIELDS(QUADRIVO_FIELD_BYTES)
    QUADRIVO_PREVENTIVI_LINE_COLUMNS(QUADRIVO_PREVENTIVI_COLUMN)
        QUADRIVO_PREVENTIVI_CLOSING_FIELDS(QUADRIVO_FIELD_BYTES);
#undef QUADRIVO_PREVENTIVI_COLUMN
// Existing year files have records of exactly this size.
static_assert(kRecordSize == 4886);

const RecordLayout &layout();
inline const RecordLayout &layoutOf(Field)
{
    return layout();
}
inline const char *fileSuffix()
{
    return ".pre";
}

} // namespace Preventivi
