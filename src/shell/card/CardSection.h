#pragma once

#include "CardTypes.h"
#include "core/RecordFields.h"

#include <QGroupBox>
#include <functional>

class CardWindow;
class QGridLayout;
class QHBoxLayout;
class QLabel;
struct CommandSpec;

// A framed section of a card, filled line by line: the first label of each line sits in a column
// shared by the whole section, the other fields of the line follow with their labels beside them.
// Every field added here is bound to its record field on the card. Cards fill it through
// CardSectionOf, which takes only the handles of the card's own record:
//
//   section->row().edit(Clienti::Cognome, "Cognome:", KeyRule::Restricted)
//                 .edit(Clienti::Nome, "Nome:", KeyRule::Restricted);
//
// A captioned line puts each caption above its field instead, as small date and time lists have:
//
//   section->captionedRow(6).list(OreApp, "Ore:", hours, 2).widget(colon).list(MinutiApp, ...);
class CardSection : public QGroupBox
{
    Q_OBJECT
public:
    CardSection(CardWindow *card, const QString &title);

protected:
    // Lines stand in the middle of the section's height rather than at its top; before any line.
    void centreLines();
    // By plain field index; the typed face below is what cards call.
    void addRow();
    // A line whose fields carry their captions above them, `spacing` pixels apart.
    void addCaptionedRow(int spacing);
    void addEdit(int field, const QString &label, const FieldOptions &options);
    // An editable combo with the province codes; it clears its list selection on entering.
    void addProvince(int field, const QString &label, const FieldOptions &options);
    void addCombo(int field, const QString &label, const QStringList &items, bool editable,
                  const FieldOptions &options);
    // A list to pick from, never typed into (KeyRule::NoTyping), as wide as `chars` characters.
    // It never holds a text outside its items: a record's other text shows as no choice.
    void addList(int field, const QString &label, const QStringList &items, int chars, FieldOptions options);
    void addCheck(int field, const QString &text, const QString &hint, const FieldOptions &options);
    // A small picture button with its word, after the last field of the line; without an action it
    // runs what a service registered under its name (CardServices).
    void addButton(const CommandSpec &spec, std::function<void()> action);
    // The "Controlla" button that opens an identifier's check window (`name` and `hint` in UTF-8).
    void addCheckButton(const char *name, const char *hint, std::function<void()> action);
    // Any other widget on the line, with an optional label before it.
    void addWidget(QWidget *w, const QString &label, int stretch);
    // A few words right after the last field, reading on from it ("giorni prima della scadenza.").
    void addWords(const QString &words);
    // A widget as tall as a captioned line's captions and fields together; it keeps its own font
    // (the year in large type beside the date).
    void addTall(QWidget *w);
    void addStretch();

private:
    friend class CardWindow;
    // A line of fixed-width fields keeps them at its left end.
    void closeLine();
    QFont fieldFont() const;
    void place(QWidget *field, const QString &label, int stretch);
    void placeCaptioned(QWidget *field, QLabel *caption);
    void sizeForCapacity(QWidget *field, int capacity);

    CardWindow *m_card;
    QGridLayout *m_grid;
    QHBoxLayout *m_line = nullptr;
    QGridLayout *m_captioned = nullptr; // the captioned line's captions (row 0) over fields (row 1)
    int m_captionedColumn = 0;
    bool m_centred = false;
    int m_row = -1;
    bool m_lineEmpty = true;
    bool m_lineStretches = false;
};

// The section as a card fills it: fields are its record's handles, so a field of another record
// does not compile.
template <FieldHandle F> class CardSectionOf : public CardSection
{
public:
    using CardSection::CardSection;

    CardSectionOf &row()
    {
        addRow();
        return *this;
    }
    CardSectionOf &captionedRow(int spacing)
    {
        addCaptionedRow(spacing);
        return *this;
    }
    CardSectionOf &centred()
    {
        centreLines();
        return *this;
    }
    CardSectionOf &edit(F field, const QString &label, const FieldOptions &options = {})
    {
        addEdit(field, label, options);
        return *this;
    }
    CardSectionOf &province(F field, const QString &label, const FieldOptions &options = {})
    {
        addProvince(field, label, options);
        return *this;
    }
    CardSectionOf &combo(F field, const QString &label, const QStringList &items, bool editable,
                         const FieldOptions &options = {})
    {
        addCombo(field, label, items, editable, options);
        return *this;
    }
    CardSectionOf &list(F field, const QString &label, const QStringList &items, int chars,
                        const FieldOptions &options = {})
    {
        addList(field, label, items, chars, options);
        return *this;
    }
    CardSectionOf &check(F field, const QString &text, const QString &hint, const FieldOptions &options = {})
    {
        addCheck(field, text, hint, options);
        return *this;
    }
    CardSectionOf &button(const CommandSpec &spec, std::function<void()> action)
    {
        addButton(spec, std::move(action));
        return *this;
    }
    CardSectionOf &checkButton(const char *name, const char *hint, std::function<void()> action)
    {
        addCheckButton(name, hint, std::move(action));
        return *this;
    }
    CardSectionOf &widget(QWidget *w, const QString &label = {}, int stretch = 0)
    {
        addWidget(w, label, stretch);
        return *this;
    }
    CardSectionOf &words(const QString &text)
    {
        addWords(text);
        return *this;
    }
    CardSectionOf &tall(QWidget *w)
    {
        addTall(w);
        return *this;
    }
    CardSectionOf &stretch()
    {
        addStretch();
        return *this;
    }
};
