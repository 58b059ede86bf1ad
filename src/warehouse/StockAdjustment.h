#pragma once

#include <QString>

// The stock adjustment window ("+" and "-" of the item card): the current stock, a quantity to add
// or subtract and the new stock, all whole numbers held as text.
namespace StockAdjustment {

enum class Direction { Add, Subtract };

// lblAggiunta: "Quantità da aggiungere:" or "Quantità da sottrarre:".
QString quantityLabel(Direction direction);

struct Texts
{
    QString giacenza; // txtGiacenza: the current stock
    QString aggiunta; // txtAggiunta: the quantity
    QString totale;   // txtTotale: the new stock
};

struct Opening
{
    QString cardStock; // the card's txtGiacenza afterwards ("0" when it was blank)
    Texts window;      // the window's edits when it opens
};
// "+" or "-" pressed on the card with `cardStock` in its stock edit.
Opening opening(const QString &cardStock);

// Either edit on focus loss: a whole number in its shortest form; blank or unreadable -> "0".
QString leave(const QString &text);

// "Calcola totale": blank edits become "0", then the total is stock plus or minus quantity,
// unrounded, negative results included. If stock or quantity cannot be read, all three become "0".
Texts calcolaTotale(Direction direction, const Texts &shown);

// "Applica e chiudi": the text to put into the card's stock edit (the total after "Calcola
// totale", trimmed).
QString apply(Direction direction, const Texts &shown);

// An edit holding more than this many characters is emptied by the next key pressed in it, and
// that key is consumed: a sixteenth digit still stays as typed.
constexpr int kMaxLength = 15;
inline bool keyEmpties(const QString &text)
{
    return text.size() > kMaxLength;
}

} // namespace StockAdjustment
