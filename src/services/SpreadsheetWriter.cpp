#include "SpreadsheetWriter.h"

#include "core/Trimming.h"
#include "core/Win1252.h"

#include <QFileDevice>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fcntl.h>

namespace {

// The most one input byte can become ("&amp;", "&#31;" and a spare byte).
constexpr qsizetype kMaxEscaped = 6;
// Longer values are escaped in pieces of this size, so that no cell needs more than the block.
constexpr qsizetype kLongValue = 1 << 16;
// How much is written to a file before the disk is asked to start on it.
constexpr qint64 kWriteBackStep = 8 << 20;

constexpr char kHead[] = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
                         " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
                         " xmlns=\"http://www.w3.org/TR/REC-html40\">"
                         "<head>"
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                         "<!--[if gte mso 9]><xml>"
                         "<x:ExcelWorkbook>"
                         "<x:ExcelWorksheets>"
                         "<x:ExcelWorksheet>"
                         "<x:Name>";

constexpr char kAfterName[] = "</x:Name>"
                              "<x:WorksheetOptions>"
                              "<x:Selected/>"
                              "<x:Panes>"
                              "<x:Pane>"
                              "<x:Number>1</x:Number>"
                              "<x:ActiveRow>3</x:ActiveRow>"
                              "</x:Pane>"
                              "</x:Panes>"
                              "<x:ProtectContents>False</x:ProtectContents>"
                              "<x:ProtectObjects>False</x:ProtectObjects>"
                              "<x:ProtectScenarios>False</x:ProtectScenarios>"
                              "</x:WorksheetOptions>"
                              "</x:ExcelWorksheet>"
                              "</x:ExcelWorksheets>"
                              "</x:ExcelWorkbook>"
                              "</xml><![endif]-->"
                              "</head>"
                              "<body>"
                              "<table x:str>";

constexpr char kHeaderCell[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
// sdnum 1040;0;@ is LibreOffice's "text" number format: codes such as 00184 keep their zeros.
constexpr char kLeftCell[] = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr char kRightCell[] = "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">";
constexpr char kCellEnd[] = "</td>";
constexpr char kTail[] = "</table></body></html>";

// A constant piece, its length known when compiling.
template <std::size_t N> char *copy(char *out, const char (&piece)[N])
{
    std::memcpy(out, piece, N - 1);
    return out + N - 1;
}

// What a byte becomes inside a cell: markup characters as entities, control characters (a stray
// line break in a damaged record) as references, so the file stays one line of plain text.
// Size 0: the byte stays as it is.
struct Entity
{
    unsigned char size = 0;
    char text[kMaxEscaped]{};
};

struct EntityTable
{
    Entity of[256]{};
    // Defined before the constructor: clang 14 cannot call it in a constant expression otherwise.
    template <std::size_t N> constexpr void set(char byte, const char (&text)[N])
    {
        Entity &e = of[static_cast<unsigned char>(byte)];
        for (std::size_t i = 0; i + 1 < N; ++i)
            e.text[i] = text[i];
        e.size = static_cast<unsigned char>(N - 1);
    }
    constexpr EntityTable()
    {
        for (int b = 0; b < 0x20; ++b) {
            Entity &e = of[b];
            e.text[0] = '&';
            e.text[1] = '#';
            int n = 2;
            if (b >= 10)
                e.text[n++] = char('0' + b / 10);
            e.text[n++] = char('0' + b % 10);
            e.text[n++] = ';';
            e.size = static_cast<unsigned char>(n);
        }
        set('&', "&amp;");
        set('<', "&lt;");
        set('>', "&gt;");
    }
};
constexpr EntityTable kEntities;

// Whether any of eight bytes must be escaped: one below 0x20, "&", "<" or ">" (the usual
// word-at-a-time tests for a zero byte and for a byte below a bound).
inline bool anyEscaped(std::uint64_t word)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highs = 0x8080808080808080u;
    const auto hasZero = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
    const std::uint64_t control = (word - 0x20 * ones) & ~word & highs;
    // "<" and ">" differ in one bit only.
    return control | hasZero(word ^ ('&' * ones)) | hasZero((word | 0x02 * ones) ^ ('>' * ones));
}

// Writes `bytes` escaped at `out`, which has room for kMaxEscaped bytes per input byte. Returns
// the end of what was written. Most values need no escaping: they go eight bytes at a time.
char *escapeInto(char *out, QByteArrayView bytes)
{
    const char *from = bytes.data();
    const char *const end = from + bytes.size();
    while (end - from >= 8) {
        std::uint64_t word;
        std::memcpy(&word, from, 8);
        if (anyEscaped(word))
            break;
        std::memcpy(out, &word, 8);
        out += 8;
        from += 8;
    }
    for (; from != end; ++from) {
        const Entity &entity = kEntities.of[static_cast<unsigned char>(*from)];
        if (entity.size == 0) {
            *out++ = *from;
        } else {
            // A fixed-size copy of the whole slot; the room reserved per byte covers its spare bytes.
            std::memcpy(out, entity.text, sizeof entity.text);
            out += entity.size;
        }
    }
    return out;
}

} // namespace

SpreadsheetWriter::SpreadsheetWriter(QIODevice &device) : m_device(device), m_buffer(new char[kBlock])
{
    if (const auto *file = qobject_cast<const QFileDevice *>(&device)) {
        m_fd = file->handle();
        m_handed = m_queued = file->pos();
    }
}

void SpreadsheetWriter::begin(const QString &sheetName, const QList<Column> &columns)
{
    put(kHead);
    putEscaped(QStringView(sheetName));
    put(kAfterName);
    put("<tr>");
    for (const Column &column : columns) {
        put(kHeaderCell);
        put(QByteArray::number(column.width));
        put(">");
        putEscaped(Trimming::trimmed(QStringView(column.header)));
        put(kCellEnd);
    }
    put("</tr>");
}

void SpreadsheetWriter::beginRow()
{
    m_used = copy(room(4), "<tr>") - m_buffer.get();
}

void SpreadsheetWriter::openCell(Align align)
{
    char *out = room(sizeof kRightCell);
    out = align == Align::Right ? copy(out, kRightCell) : copy(out, kLeftCell);
    m_used = out - m_buffer.get();
}

void SpreadsheetWriter::cell(QByteArrayView storedBytes, Align align)
{
    const QByteArrayView value = Trimming::trimmed(storedBytes);
    if (value.size() > kLongValue) {
        openCell(align);
        putEscaped(value);
        put(kCellEnd);
        return;
    }
    char *out = room(qsizetype(sizeof kRightCell + sizeof kCellEnd) + value.size() * kMaxEscaped);
    out = align == Align::Right ? copy(out, kRightCell) : copy(out, kLeftCell);
    out = escapeInto(out, value);
    out = copy(out, kCellEnd);
    m_used = out - m_buffer.get();
}

void SpreadsheetWriter::cell(QStringView text, Align align)
{
    openCell(align);
    putEscaped(Trimming::trimmed(text));
    put(kCellEnd);
}

void SpreadsheetWriter::endRow()
{
    m_used = copy(room(5), "</tr>") - m_buffer.get();
}

bool SpreadsheetWriter::finish()
{
    put(kTail);
    flush();
    return !m_failed;
}

void SpreadsheetWriter::put(QByteArrayView bytes)
{
    if (bytes.size() > kBlock) {
        flush();
        if (!m_failed && m_device.write(bytes.data(), bytes.size()) != bytes.size())
            m_failed = true;
        return;
    }
    char *out = room(bytes.size());
    std::memcpy(out, bytes.data(), std::size_t(bytes.size()));
    m_used += bytes.size();
}

void SpreadsheetWriter::putEscaped(QByteArrayView bytes)
{
    // In pieces, so a value of any length fits the block.
    for (qsizetype from = 0; from < bytes.size(); from += kLongValue) {
        const QByteArrayView piece = bytes.sliced(from, std::min(kLongValue, bytes.size() - from));
        m_used = escapeInto(room(piece.size() * kMaxEscaped), piece) - m_buffer.get();
    }
}

void SpreadsheetWriter::putEscaped(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t codePoint = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        const int byte = Win1252::byteFor(codePoint);
        if (byte < 0) {
            // Not in the code page: a numeric reference, so the character still reaches the sheet.
            put("&#" + QByteArray::number(quint32(codePoint)) + ';');
        } else {
            const char b = char(byte);
            putEscaped(QByteArrayView(&b, 1));
        }
    }
}

void SpreadsheetWriter::flush()
{
    if (m_used == 0)
        return;
    if (!m_failed && m_device.write(m_buffer.get(), m_used) != m_used)
        m_failed = true;
    m_handed += m_used;
    m_used = 0;
    // Only starts the writing (it never waits); whether the bytes reached the disk is for the
    // caller's sync to say.
    if (m_fd >= 0 && !m_failed && m_handed - m_queued >= kWriteBackStep) {
        ::sync_file_range(m_fd, m_queued, m_handed - m_queued, SYNC_FILE_RANGE_WRITE);
        m_queued = m_handed;
    }
}
