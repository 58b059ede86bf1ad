#pragma once

#include <QString>

class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// The page an area opens on before its own window (the quotes' year, the inventory's type of
// goods): the header band, one white card centred on the page colour, and a bar with Guida and
// Esci. The window fills the card; Esci closes the window, Guida is the window's to connect.
namespace MenuPage {

struct Bar
{
    QToolButton *guida; // imgGuida
    QToolButton *esci;  // imgEsci
};

// The card, `width` wide; build it before calling layOut.
QFrame *card(QWidget *window, int width);
// Lays the page out around `card` and returns the bar's buttons.
Bar layOut(QWidget *window, const QString &subtitle, QFrame *card);

// The pieces of the card.
QLabel *heading(const QString &text, QWidget *parent);
QLabel *mutedLabel(const QString &name, const QString &text, QWidget *parent);
// The larger font of the card's field and its caption.
QFont fieldFont(const QFont &base);
QPushButton *mainButton(const QString &name, const QString &text, QWidget *parent);

} // namespace MenuPage
