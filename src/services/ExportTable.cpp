#include "ExportTable.h"

#include "core/RecordLayout.h"
#include "core/TextField.h"
#include "core/Win1252.h"

#include <QIODevice>

ExportTable::ExportTable(const RecordLayout &layout, QList<Column> columns)
    : m_layout(&layout), m_columns(std::move(columns)), m_recordSize(layout.recordSize())
{
    m_cellStart.push_back(0);
}

void ExportTable::reserve(qint64 rows)
{
    m_bytes.reserve(size_t(rows * columnCount() * 12));
    m_cellStart.reserve(size_t(rows * columnCount() + 1));
    m_rowFirstCell.reserve(size_t(rows));
    m_numbers.reserve(size_t(rows));
}

void ExportTable::appendField(const char *record, int field)
{
    const char *stored = record + m_layout->offset(field);
    const int capacity = m_layout->capacity(field);
    qsizetype end = std::min(int(static_cast<unsigned char>(stored[0])), capacity);
    qsizetype begin = 0;
    const char *value = stored + 1;
    while (begin < end && static_cast<unsigned char>(value[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(value[end - 1]) <= 32)
        --end;
    m_bytes.insert(m_bytes.end(), value + begin, value + end);
}

void ExportTable::append(qint64 number, const char *record)
{
    m_rowFirstCell.push_back(qint64(m_cellStart.size()) - 1);
    m_numbers.push_back(number);
    for (const Column &col : std::as_const(m_columns)) {
        if (col.compute) {
            const QByteArray value = col.compute(record);
            m_bytes.insert(m_bytes.end(), value.begin(), value.end());
        } else {
            for (qsizetype i = 0; i < col.fields.size(); ++i) {
                if (i > 0)
                    m_bytes.push_back(' ');
                appendField(record, col.fields[i]);
            }
        }
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

bool ExportTable::write(QIODevice &device, const QString &sheetName,
                        const std::function<void(qint64)> &progress) const
{
    QList<SpreadsheetWriter::Column> header;
    for (const Column &col : m_columns)
        header.append({col.header, col.width, col.align});

    SpreadsheetWriter writer(device);
    writer.begin(sheetName, header);
    for (qint64 row = 0; row < rowCount(); ++row) {
        writer.beginRow();
        for (int c = 0; c < columnCount(); ++c) {
            const SpreadsheetWriter::Align align = m_columns[c].align;
            if (!m_edits.isEmpty()) {
                const auto edit = m_edits.constFind(key(row, c));
                if (edit != m_edits.constEnd()) {
                    writer.cell(QStringView(*edit), align);
                    continue;
                }
            }
            writer.cell(storedCell(row, c), align);
        }
        writer.endRow();
        if (writer.failed())
            return false;
        if (progress && (row + 1) % 4096 == 0)
            progress(row + 1);
    }
    return writer.finish();
}
