#pragma once

#include <QString>
#include <array>

class Record;

// The "Calcola" of the quote window: line amounts and totals from the texts the window holds,
// in binary floating point, each step at the precision that decides the last cent of the quote.
namespace QuoteTotals {

constexpr int kLines = 30;

// One quote line as the window holds it.
struct Line
{
    QString quant;       // txtQuantNN
    QString prezzo;      // txtPrezzoNN
    QString percSconto;  // txtPercScontoNN
    QString importo;     // txtImportoNN
    bool esente = false; // chkEsNN
};

struct Totals
{
    QString imponibile; // txtTotImponibile
    QString imposta;    // txtTotImposta
    QString iva;        // txtTotIva
    QString esente;     // txtTotEsente
    QString fattura;    // txtTotFattura
};

// Everything the calculation reads or writes; lines[0] is line 01.
struct Figures
{
    std::array<Line, kLines> lines;
    QString percIva; // txtPercIva
    Totals totals;
};

struct Outcome
{
    // What the window shows afterwards: every quantity, price, amount, the rate and the totals
    // (discounts and exempt flags are never changed).
    Figures figures;
    // False when a text did not parse: the five totals then read "0,00", the lines already
    // processed keep their new amounts and the later ones what they showed. Nothing is reported.
    bool completed = false;
};

// Lines with neither quantity nor price are skipped and keep their amount text; an empty
// quantity becomes "1", an empty price "0,00", an empty rate "0". Amounts keep up to four
// decimals and show at least two; totals show two, each rounded once from its unrounded sum.
Outcome calcola(const Figures &shown);

// The figures of a stored quote as the window shows them once loaded (an exempt flag other
// than "Sì" leaves the box unticked, as after a reset).
Figures fromRecord(const Record &record);

} // namespace QuoteTotals
