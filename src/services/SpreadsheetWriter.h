#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <memory>

class QIODevice;

// The spreadsheet file: one HTML table with the Office namespaces and a worksheet description,
// one line of Windows-1252 with no line break. Excel opens it directly; LibreOffice reads every
// cell as text thanks to its own number-format attribute (it ignores the table's x:str).
//
// A whole archive makes millions of cells, so each cell is formatted straight into a large block
// (room for its worst case made once) and the blocks are handed to the device as they fill. On a
// file, the disk starts writing them while the rest is formatted, so the caller's final sync has
// little left to wait for.
class SpreadsheetWriter
{
public:
    enum class Align { Left, Right };

    struct Column
    {
        QString header;
        int width = 0;
        Align align = Align::Left;
    };

    explicit SpreadsheetWriter(QIODevice &device);
    ~SpreadsheetWriter() = default;
    SpreadsheetWriter(const SpreadsheetWriter &) = delete;
    SpreadsheetWriter &operator=(const SpreadsheetWriter &) = delete;

    // Everything up to and including the header row.
    void begin(const QString &sheetName, const QList<Column> &columns);
    void beginRow();
    // A cell from stored Windows-1252 bytes (written trimmed and escaped, the bytes kept as they are).
    void cell(QByteArrayView storedBytes, Align align);
    // A cell from text (a grid edit): trimmed, escaped; characters the code page lacks become "&#N;".
    void cell(QStringView text, Align align);
    void endRow();
    // The closing tags and the last block. False when any write to the device failed.
    bool finish();

    bool failed() const { return m_failed; }

private:
    static constexpr qsizetype kBlock = 1 << 20;

    // Where the next `bytes` bytes go (at most a block); the caller moves m_used past what it wrote.
    char *room(qsizetype bytes)
    {
        if (m_used + bytes > kBlock)
            flush();
        return m_buffer.get() + m_used;
    }
    void put(QByteArrayView bytes);
    void putEscaped(QByteArrayView bytes);
    void putEscaped(QStringView text);
    void openCell(Align align);
    void flush();

    QIODevice &m_device;
    int m_fd = -1; // the file's descriptor when the device is a file
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_used = 0;
    qint64 m_handed = 0; // where the next block goes in the file
    qint64 m_queued = 0; // where the disk writing asked for so far ends
    bool m_failed = false;
};
