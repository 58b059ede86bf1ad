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

// The pieces of a page, for the pages laid out otherwise (the deadlines' start panel).
// The page colour behind the window.
void paintPage(QWidget *window);
// A white card with rounded corners; `name` is its object name.
QFrame *whiteCard(const QString &name, QWidget *parent = nullptr);
// The bar with Guida and Esci along the bottom; Esci closes `window`.
QFrame *bottomBar(QWidget *window, Bar *buttons);

// The pieces of the card.
QLabel *heading(const QString &text, QWidget *parent = nullptr, qreal scale = 1.6);
// Muted words: a text that wraps, or a line of its own.
QLabel *mutedLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
QLabel *mutedLine(const QString &name, const QString &text, QWidget *parent = nullptr);
// The larger font of the card's field and its caption.
QFont fieldFont(const QFont &base);
QPushButton *mainButton(const QString &name, const QString &text, QWidget *parent);

} // namespace MenuPage
