#include "CardPrintRows.h"

#include "ArchiveKinds.h"
#include "core/Record.h"
#include "core/TextField.h"

namespace CardPrint {

namespace {

QString pieceText(const Piece &piece, const Record &card)
{
    switch (piece.kind) {
    case Piece::Kind::Literal:
        return piece.text;
    case Piece::Kind::Flag:
        return Record::flagText(Record::flagState(TextField::trim(card.text(piece.field))) == 1);
    case Piece::Kind::Choice: {
        const QString shown = card.text(piece.field);
        return piece.choices.contains(shown) ? TextField::trim(shown) : QString();
    }
    case Piece::Kind::Field:
        break;
    }
    return TextField::trim(card.text(piece.field));
}

} // namespace

Row row(const char *label, int field)
{
    return {QString::fromUtf8(label), {Piece::of(field)}};
}

Row row(const char *label, QList<Piece> value)
{
    return {QString::fromUtf8(label), std::move(value)};
}

Piece text(const char *literal)
{
    return Piece::literal(QString::fromUtf8(literal));
}

const Layout *layoutFor(const QString &kind)
{
    const ArchiveKind *k = ArchiveKinds::byName(kind);
    return k && k->name == kind && !k->cardPrint.rows.isEmpty() ? &k->cardPrint : nullptr;
}

QList<std::pair<QString, QString>> rowTexts(const Layout &layout, const Record &card)
{
    QList<std::pair<QString, QString>> rows;
    for (const Row &r : layout.rows) {
        QString value;
        for (const Piece &piece : r.value)
            value += pieceText(piece, card);
        rows.append({r.label, value});
    }
    return rows;
}

} // namespace CardPrint
