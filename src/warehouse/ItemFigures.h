#pragma once

#include <QString>

// The figures of the item card: stock, threshold, cost, value, prices and VAT rate, as the card's
// edits hold them. Every function takes the texts shown and returns the texts to show, with the
// warning to show (empty when none) and the control to focus.
namespace ItemFigures {

// txtGiacenza, txtSottoscorta, txtPercIva on focus loss: a whole number (3,6 -> 4); blank or
// unreadable text becomes "0".
QString leaveInteger(const QString &text);
// txtCosto, txtValore, txtPrezzo, txtPrezzo_con_Iva on focus loss: up to four decimals, at least
// two (7 -> 7,00; 7,5 -> 7,50); blank or unreadable text becomes "0,00".
QString leaveAmount(const QString &text);

struct Prices
{
    QString prezzo;       // txtPrezzo
    QString percIva;      // txtPercIva
    QString prezzoConIva; // txtPrezzo_con_Iva
};

struct PricesOutcome
{
    Prices prices;
    QString warning; // when not empty: show it and put the focus on txtPrezzo_con_Iva
};

// "Calcola": the price with VAT from the price and the rate, to the cent. On unreadable texts the
// warning, and the texts that did not parse are reset ("0,00", "0"); readable ones are kept.
PricesOutcome calcola(const Prices &shown);
// "Scorpora": the price from the price with VAT and the rate, to the cent; the rate is rewritten
// in its shortest form (08 -> 8). Failures as for calcola.
PricesOutcome scorpora(const Prices &shown);

struct StockValue
{
    QString costo;    // txtCosto
    QString giacenza; // txtGiacenza
    QString valore;   // txtValore
};

// "Calcola valore": cost x stock, to the cent. Silent on failure: an unreadable cost or stock is
// reset ("0,00", "0"), a readable one is kept, and the value becomes "0,00".
StockValue calcolaValore(const StockValue &shown);

// The card's texts that Save prepares before writing.
struct Card
{
    QString codice;       // txtCodice
    QString giacenza;     // txtGiacenza
    QString sottoscorta;  // txtSottoscorta
    QString costo;        // txtCosto
    QString valore;       // txtValore
    QString prezzo;       // txtPrezzo
    QString percIva;      // txtPercIva
    QString prezzoConIva; // txtPrezzo_con_Iva
};

enum class SaveVerdict {
    Write,         // write the card's texts; then the insert or update message
    MissingCode,   // the warning, focus on txtCodice; nothing written
    AccessFailure, // stock or threshold unreadable: the archive-access warning; nothing written
    InvalidPrices, // "Calcola" failed: its warning, focus on txtPrezzo_con_Iva; nothing written
};

struct SaveOutcome
{
    Card card; // what the card shows afterwards (the steps that ran have changed it)
    SaveVerdict verdict = SaveVerdict::Write;
    QString warning; // the text for MissingCode and InvalidPrices
    QString focus;   // objectName of the control to focus, or empty
};

// Save before the write: defaults for empty fields, stock and threshold rounded to whole
// numbers, then "Calcola" and "Calcola valore", so the stored price with VAT and value always
// follow from price, rate, cost and stock.
SaveOutcome prepareSave(const Card &shown);

QString missingCodeWarning();
QString calcolaWarning();
QString scorporaWarning();

} // namespace ItemFigures
