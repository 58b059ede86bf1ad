#include "ArchiveKinds.h"

#include "core/Win1252.h"

#include <QFileInfo>

namespace ArchiveKinds {

const std::vector<const ArchiveKind *> &all()
{
    static const std::vector<const ArchiveKind *> kinds{&customersKind(), &suppliersKind(), &itemsKind(),
                                                        &quotesKind(), &deadlinesKind()};
    return kinds;
}

const ArchiveKind &get(ArchiveKindId id)
{
    for (const ArchiveKind *k : all())
        if (k->id == id)
            return *k;
    qFatal("unregistered archive kind %d", int(id));
}

const ArchiveKind *byName(QStringView name)
{
    for (const ArchiveKind *k : all())
        if (k->name == name)
            return k;
    return nullptr;
}

const ArchiveKind *byModeTag(QStringView tag)
{
    for (const ArchiveKind *k : all())
        if (k->modeTag == tag)
            return k;
    return nullptr;
}

const ArchiveKind *forFile(const QString &path)
{
    for (const ArchiveKind *k : all())
        if (k->holds(path))
            return k;
    return nullptr;
}

const RecordLayout *layoutForFile(const QString &path)
{
    const ArchiveKind *k = forFile(path);
    return k ? k->layout : nullptr;
}

} // namespace ArchiveKinds

QString ArchiveKind::fileNameFor(int year) const
{
    return yearly() ? QString::number(year) + yearSuffix : fileName;
}

bool ArchiveKind::holds(const QString &path) const
{
    const QString name = QFileInfo(path).fileName();
    if (!yearly())
        return name == fileName;
    return name.size() == 4 + yearSuffix.size() && name.endsWith(yearSuffix);
}

QString joinedFields(const std::vector<int> &fields, const RecordView &record)
{
    QString out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += u' ';
        out += record.text(fields[i]);
    }
    return out;
}

LinePiece LinePiece::joined(const std::vector<int> &fields, int width)
{
    LinePiece piece{{}, width};
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            piece.parts.push_back({-1, QStringLiteral(" ")});
        piece.parts.push_back({fields[i]});
    }
    return piece;
}

LineMaker::LineMaker(const LineRecipe &recipe)
{
    for (const LinePiece &piece : recipe) {
        Piece compiled{{}, piece.width};
        for (const LinePart &part : piece.parts)
            compiled.parts.push_back(
                {part.field, part.field < 0 ? Win1252::encode(part.literal) : QByteArray()});
        m_pieces.push_back(std::move(compiled));
    }
}

void LineMaker::add(const RecordView &record, qint64 position, ListText::Lines &lines) const
{
    for (const Piece &piece : m_pieces) {
        const qsizetype start = lines.pending();
        for (const Part &part : piece.parts)
            lines.append(part.field < 0 ? QByteArrayView(part.literal) : record.raw(part.field));
        if (piece.width >= 0)
            lines.fit(start, piece.width);
    }
    lines.endLine(position);
}

QString buildLine(const LineRecipe &recipe, const RecordView &record)
{
    ListText::Lines one;
    LineMaker(recipe).add(record, 0, one);
    return one.text(0);
}
