#include "ExportTable.h"

#include "core/RecordLayout.h"
#include "core/TextField.h"
#include "core/Trimming.h"
#include "core/Win1252.h"

#include <QIODevice>
#include <algorithm>

ExportTable::ExportTable(const RecordLayout &layout, QList<Column> columns)
    : m_layout(&layout), m_columns(std::move(columns)), m_recordSize(layout.recordSize())
{
    m_cellStart.push_back(0);
    for (const Column &col : std::as_const(m_columns)) {
        m_firstSpot.push_back(int(m_spots.size()));
        for (const int field : col.fields)
            m_spots.push_back({layout.offset(field), layout.capacity(field)});
        m_aligns.push_back(col.align);
    }
    m_firstSpot.push_back(int(m_spots.size()));
}

void ExportTable::reserve(qint64 rows)
{
    m_bytes.reserve(size_t(rows * columnCount() * 12));
    m_cellStart.reserve(size_t(rows * columnCount() + 1));
    m_rowFirstCell.reserve(size_t(rows));
    m_numbers.reserve(size_t(rows));
}

QByteArrayView ExportTable::recordCell(const char *record, int column, std::string &scratch) const
{
    // A field as far as its length byte and capacity allow, trimmed.
    const auto field = [record](const FieldSpot &spot) {
        const char *stored = record + spot.offset;
        const int length = std::min(int(static_cast<unsigned char>(stored[0])), spot.capacity);
        return Trimming::trimmed(QByteArrayView(stored + 1, length));
    };
    const Column &col = m_columns[column];
    if (col.compute) {
        const QByteArray value = col.compute(record);
        scratch.assign(value.constData(), size_t(value.size()));
        return QByteArrayView(scratch.data(), qsizetype(scratch.size()));
    }
    const int first = m_firstSpot[size_t(column)];
    const int end = m_firstSpot[size_t(column) + 1];
    if (end - first == 1)
        return field(m_spots[size_t(first)]);
    scratch.clear();
    for (int i = first; i < end; ++i) {
        if (i > first)
            scratch.push_back(' ');
        const QByteArrayView value = field(m_spots[size_t(i)]);
        scratch.append(value.data(), size_t(value.size()));
    }
    return QByteArrayView(scratch.data(), qsizetype(scratch.size()));
}

void ExportTable::append(qint64 number, const char *record)
{
    m_rowFirstCell.push_back(qint64(m_cellStart.size()) - 1);
    m_numbers.push_back(number);
    for (int c = 0; c < columnCount(); ++c) {
        const QByteArrayView value = recordCell(record, c, m_scratch);
        m_bytes.insert(m_bytes.end(), value.begin(), value.end());
        m_cellStart.push_back(qint64(m_bytes.size()));
    }
}

void ExportTable::permute(const QList<qint64> &order)
{
    std::vector<qint64> firstCells;
    firstCells.reserve(size_t(order.size()));
    std::vector<qint64> numbers;
    numbers.reserve(size_t(order.size()));
    QHash<quint64, QString> edits;
    for (qint64 k = 0; k < order.size(); ++k) {
        const qint64 from = order[k];
        firstCells.push_back(m_rowFirstCell[size_t(from)]);
        numbers.push_back(m_numbers[size_t(from)]);
        for (int c = 0; c < columnCount() && !m_edits.isEmpty(); ++c) {
            const auto edit = m_edits.constFind(key(from, c));
            if (edit != m_edits.constEnd())
                edits.insert(key(k, c), *edit);
        }
    }
    m_rowFirstCell = std::move(firstCells);
    m_numbers = std::move(numbers);
    m_edits = std::move(edits);
}

QString ExportTable::text(qint64 row, int column) const
{
    const auto edit = m_edits.constFind(key(row, column));
    if (edit != m_edits.constEnd())
        return *edit;
    const QByteArrayView bytes = storedCell(row, column);
    return TextField::trim(Win1252::decode(bytes.data(), bytes.size()));
}

void ExportTable::setEdit(qint64 row, int column, const QString &text)
{
    m_edits.insert(key(row, column), text);
}

void ExportTable::writeHead(SpreadsheetWriter &writer, const QString &sheetName) const
{
    QList<SpreadsheetWriter::Column> header;
    for (const Column &col : m_columns)
        header.append({col.header, col.width, col.align});
    writer.begin(sheetName, header);
}

void ExportTable::writeRecordRow(SpreadsheetWriter &writer, const char *record, std::string &scratch) const
{
    writer.beginRow();
    for (int c = 0; c < columnCount(); ++c)
        writer.cell(recordCell(record, c, scratch), m_aligns[size_t(c)]);
    writer.endRow();
}

bool ExportTable::write(QIODevice &device, const QString &sheetName,
                        const std::function<void(qint64)> &progress) const
{
    SpreadsheetWriter writer(device);
    writeHead(writer, sheetName);
    const bool edited = !m_edits.isEmpty();
    const int columns = columnCount();
    for (qint64 row = 0; row < rowCount(); ++row) {
        writer.beginRow();
        // A row's cells lie one after the other, so each cell ends where the next begins.
        const qint64 *starts = m_cellStart.data() + m_rowFirstCell[size_t(row)];
        for (int c = 0; c < columns; ++c) {
            if (edited) {
                const auto edit = m_edits.constFind(key(row, c));
                if (edit != m_edits.constEnd()) {
                    writer.cell(QStringView(*edit), m_aligns[size_t(c)]);
                    continue;
                }
            }
            writer.cell(QByteArrayView(m_bytes.data() + starts[c], starts[c + 1] - starts[c]),
                        m_aligns[size_t(c)]);
        }
        writer.endRow();
        if (writer.failed())
            return false;
        if (progress && (row + 1) % 4096 == 0)
            progress(row + 1);
    }
    return writer.finish();
}
