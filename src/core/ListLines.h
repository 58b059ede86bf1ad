#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace ListText {

// One line of a list, decoded, with the 1-based position of the record it was built from.
struct Line
{
    qint64 position;
    QString text;
};

// The lines of a list as the archive holds text: Windows-1252, one byte per character, all in one
// buffer. A list of a whole archive is a hundred thousand lines; one allocation per line, and
// twice the bytes for UTF-16, would cost more than reading the archive. A line is decoded only
// when it is shown, printed or written out.
class Lines
{
public:
    qsizetype size() const { return qsizetype(m_lines.size()); }
    bool empty() const { return m_lines.empty(); }

    qint64 position(qsizetype i) const { return m_lines[size_t(i)].position; }
    QByteArrayView bytes(qsizetype i) const
    {
        const Entry &e = m_lines[size_t(i)];
        return QByteArrayView(m_text.constData() + e.begin, e.length);
    }
    QString text(qsizetype i) const;
    Line at(qsizetype i) const { return {position(i), text(i)}; }
    Line operator[](qsizetype i) const { return at(i); }
    QStringList texts() const;

    // A whole line from text; a character the code page lacks becomes "?".
    void add(qint64 position, QStringView text);

    // A line built piece by piece: append to it, fit a piece to a width, then end it.
    void append(QByteArrayView bytes) { m_text.append(bytes); }
    void append(char byte) { m_text.append(byte); }
    // How many bytes the line being built has so far.
    qsizetype pending() const { return m_text.size() - m_lineStart; }
    // Pads with blanks, then cuts, what was appended since `from` to `width` characters.
    void fit(qsizetype from, int width);
    void endLine(qint64 position);

    // Moves the ended lines of `other` to the end of this list, leaving `other` empty (its
    // buffers kept for the next lines).
    void takeFrom(Lines &other);

    // The list order: a-z folded to A-Z, every other character by its Windows-1252 byte, shorter
    // before longer, equal lines in the order they were added.
    void sort();

    class const_iterator
    {
    public:
        const_iterator(const Lines *lines, qsizetype i) : m_lines(lines), m_i(i) {}
        Line operator*() const { return m_lines->at(m_i); }
        const_iterator &operator++()
        {
            ++m_i;
            return *this;
        }
        bool operator==(const const_iterator &other) const = default;

    private:
        const Lines *m_lines;
        qsizetype m_i;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Entry
    {
        qint64 position;
        qsizetype begin;
        qsizetype length;
    };
    QByteArray m_text;
    qsizetype m_lineStart = 0;
    std::vector<Entry> m_lines;
};

} // namespace ListText
