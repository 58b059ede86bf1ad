#pragma once

#include "SpreadsheetWriter.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QIODevice;
class RecordLayout;

// The rows one export shows and writes, each with its running number ("N."), and the member's
// columns. Only the exported values are kept, as their stored bytes in one block (a whole customer
// archive would be ten times larger), and decoded when the grid asks for a cell. Edits made in the
// grid are kept beside them and reach the file, never the archive.
class ExportTable
{
public:
    struct Column
    {
        QString header;     // in the file
        QString gridHeader; // on screen
        int width = 0;      // in the file
        QList<int> fields;  // joined with one blank
        SpreadsheetWriter::Align align = SpreadsheetWriter::Align::Left;
        bool editable = false;
        // A value made from the whole record instead of its fields (a list's sort key).
        std::function<QByteArray(const char *record)> compute;
    };

    ExportTable(const RecordLayout &layout, QList<Column> columns);

    const QList<Column> &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    qint64 rowCount() const { return qint64(m_numbers.size()); }
    int recordSize() const { return m_recordSize; }
    const RecordLayout &layout() const { return *m_layout; }

    void reserve(qint64 rows);
    // Takes the exported values of one stored record.
    void append(qint64 number, const char *record);
    // Reorders the rows: row k becomes the row that was at order[k].
    void permute(const QList<qint64> &order);

    qint64 number(qint64 row) const { return m_numbers[size_t(row)]; }

    // The cell's stored bytes: its fields, each as far as its length byte and capacity allow and
    // trimmed, joined with one blank.
    QByteArrayView storedCell(qint64 row, int column) const
    {
        const size_t cell = size_t(m_rowFirstCell[size_t(row)] + column);
        return QByteArrayView(m_bytes.data() + m_cellStart[cell], m_cellStart[cell + 1] - m_cellStart[cell]);
    }
    // The same cell straight from a stored record: a view into the record when the cell is one
    // field, else into `scratch`, which holds the joined fields.
    QByteArrayView recordCell(const char *record, int column, std::string &scratch) const;
    // What the grid shows: the edit when there is one, else the stored value decoded and trimmed.
    QString text(qint64 row, int column) const;

    void setEdit(qint64 row, int column, const QString &text);
    bool isEdited(qint64 row, int column) const { return m_edits.contains(key(row, column)); }

    // The whole file. Calls `progress` with the rows written so far every few thousand rows.
    // False when the device failed.
    bool write(QIODevice &device, const QString &sheetName,
               const std::function<void(qint64)> &progress = {}) const;

    // The same file straight from stored records that need not be kept (an export that shows no
    // grid): the opening with the header row, then one row per record, then the writer's finish.
    // A table that took the same records and holds no edits writes the same bytes.
    void writeHead(SpreadsheetWriter &writer, const QString &sheetName) const;
    void writeRecordRow(SpreadsheetWriter &writer, const char *record, std::string &scratch) const;

private:
    static quint64 key(qint64 row, int column) { return (quint64(row) << 8) | quint64(column); }

    // Where a field's length byte lies in the record, and how many bytes it may hold.
    struct FieldSpot
    {
        int offset;
        int capacity;
    };

    const RecordLayout *m_layout;
    QList<Column> m_columns;
    int m_recordSize;
    std::vector<FieldSpot> m_spots; // the fields of every column, column after column
    std::vector<int> m_firstSpot;   // where each column's fields start in m_spots, plus the end
    std::vector<SpreadsheetWriter::Align> m_aligns;
    std::string m_scratch;              // the joined fields of the cell being appended
    std::vector<char> m_bytes;          // every cell's bytes, row after row
    std::vector<qint64> m_cellStart;    // where each cell starts in m_bytes, in append order, plus the end
    std::vector<qint64> m_rowFirstCell; // the index in m_cellStart of each row's first cell, in grid order
    std::vector<qint64> m_numbers;
    QHash<quint64, QString> m_edits;
};
