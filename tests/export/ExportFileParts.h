#pragma once

// Reads an exported file back into rows of (alignment, text) cells, the way a test wants to look
// at it: the header row first.

#include "core/Win1252.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace ExportFileParts {

struct Cell
{
    char align; // 'L', 'R', or 'H' for a header cell
    QString text;
    bool operator==(const Cell &other) const { return align == other.align && text == other.text; }
};
using Row = QList<Cell>;

inline QString unescape(const QByteArray &bytes)
{
    QString text = Win1252::decode(bytes);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

inline QList<Row> rows(const QByteArray &file)
{
    QList<Row> out;
    const qsizetype tableStart = file.indexOf("<table x:str>");
    qsizetype at = file.indexOf("<tr>", tableStart);
    while (at >= 0) {
        const qsizetype end = file.indexOf("</tr>", at);
        const QByteArray row = file.mid(at + 4, end - at - 4);
        Row cells;
        qsizetype cellAt = row.indexOf("<td");
        while (cellAt >= 0) {
            const qsizetype open = row.indexOf('>', cellAt);
            const qsizetype close = row.indexOf("</td>", open);
            const QByteArray tag = row.mid(cellAt, open - cellAt);
            const char align = tag.contains("font-weight: bold")   ? 'H'
                               : tag.contains("text-align: right") ? 'R'
                                                                   : 'L';
            cells.append({align, unescape(row.mid(open + 1, close - open - 1))});
            cellAt = row.indexOf("<td", close);
        }
        out.append(cells);
        at = file.indexOf("<tr>", end);
    }
    return out;
}

inline QStringList texts(const Row &row)
{
    QStringList out;
    for (const Cell &cell : row)
        out << cell.text;
    return out;
}

} // namespace ExportFileParts
