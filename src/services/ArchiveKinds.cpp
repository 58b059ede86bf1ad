#include "ArchiveKinds.h"

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

QString buildLine(const LineRecipe &recipe, const RecordView &record)
{
    QString line;
    line.reserve(160);
    for (const LinePiece &piece : recipe) {
        const qsizetype start = line.size();
        for (const LinePart &part : piece.parts)
            line += part.field < 0 ? part.literal : record.text(part.field);
        if (piece.width >= 0) {
            const qsizetype length = line.size() - start;
            if (length > piece.width)
                line.truncate(start + piece.width);
            else
                line += QString(piece.width - length, u' ');
        }
    }
    return line;
}
