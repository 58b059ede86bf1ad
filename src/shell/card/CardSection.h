#pragma once

#include "CardTypes.h"

#include <QGroupBox>
#include <functional>

class CardWindow;
class QGridLayout;
class QHBoxLayout;
struct CommandSpec;

// A framed section of a card, filled line by line: the first label of each line sits in a column
// shared by the whole section, the other fields of the line follow with their labels beside them.
// Every field added here is bound to its record field on the card.
//
//   section->row().edit(Clienti::Cognome, "Cognome:", KeyRule::Restricted)
//                 .edit(Clienti::Nome, "Nome:", KeyRule::Restricted);
class CardSection : public QGroupBox
{
    Q_OBJECT
public:
    CardSection(CardWindow *card, const QString &title);

    CardSection &row();
    CardSection &edit(int field, const QString &label, const FieldOptions &options = {});
    // An editable combo with the province codes; it clears its list selection on entering.
    CardSection &province(int field, const QString &label, const FieldOptions &options = {});
    CardSection &combo(int field, const QString &label, const QStringList &items, bool editable,
                       const FieldOptions &options = {});
    CardSection &check(int field, const QString &text, const QString &hint, const FieldOptions &options = {});
    // A small picture button with its word, after the last field of the line; without an action it
    // runs what a service registered under its name (CardServices).
    CardSection &button(const CommandSpec &spec, std::function<void()> action);
    // Any other widget on the line, with an optional label before it.
    CardSection &widget(QWidget *w, const QString &label = {}, int stretch = 0);
    CardSection &stretch();

private:
    friend class CardWindow;
    // A line of fixed-width fields keeps them at its left end.
    void closeLine();
    QFont fieldFont() const;
    void place(QWidget *field, const QString &label, int stretch);
    void sizeForCapacity(QWidget *field, int capacity);

    CardWindow *m_card;
    QGridLayout *m_grid;
    QHBoxLayout *m_line = nullptr;
    int m_row = -1;
    bool m_lineEmpty = true;
    bool m_lineStretches = false;
};
