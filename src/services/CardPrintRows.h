#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class Record;

// What a card prints: its title, its PDF file and 24 rows of label and value. A value is made of
// pieces taken from the card as it shows: a field's trimmed text, a check box as "Sì"/"No", a
// drop-down list's choice, or a fixed text.
namespace CardPrint {

struct Piece
{
    enum class Kind { Field, Flag, Choice, Literal };
    Kind kind;
    int field = -1;
    QString text;        // Literal
    QStringList choices; // Choice: a text outside the list shows as no choice at all

    static Piece of(int field) { return {Kind::Field, field, {}, {}}; }
    static Piece flag(int field) { return {Kind::Flag, field, {}, {}}; }
    static Piece choice(int field, const QStringList &items) { return {Kind::Choice, field, {}, items}; }
    static Piece literal(const QString &text) { return {Kind::Literal, -1, text, {}}; }
};

struct Row
{
    QString label;
    QList<Piece> value;
};

struct Layout
{
    QString title;
    QString pdfFile;        // in the program folder; empty when the card has no PDF command
    QString previewCommand; // the card's preview button; empty when it has none
    QList<Row> rows;        // 24
};

// Rows of a layout: a label with one field, a label with pieces; a fixed piece.
Row row(const char *label, int field);
Row row(const char *label, QList<Piece> value);
Piece text(const char *literal);

// The layout of an archive kind (its description's `cardPrint`) ("customers", "suppliers", "items",
// "deadlines"), or nullptr.
const Layout *layoutFor(const QString &kind);

// The rows' label and value for a card whose controls' texts (check boxes as "Sì"/"No") are in
// `card`.
QList<std::pair<QString, QString>> rowTexts(const Layout &layout, const Record &card);

} // namespace CardPrint
