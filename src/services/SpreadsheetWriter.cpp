#include "SpreadsheetWriter.h"

#include "core/Trimming.h"
#include "core/Win1252.h"

#include <QIODevice>
#include <cstring>

namespace {

constexpr qsizetype kBlock = 1 << 20;

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
constexpr char kTail[] = "</table></body></html>";

// What a byte becomes inside a cell: markup characters as entities, control characters (a stray
// line break in a damaged record) as references, so the file stays one line of plain text.
const char *escapeFor(unsigned char byte)
{
    switch (byte) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        return nullptr;
    }
}

struct EscapeTable
{
    bool escaped[256]{};
    constexpr EscapeTable()
    {
        for (int b = 0; b < 0x20; ++b)
            escaped[b] = true;
        escaped[int('&')] = escaped[int('<')] = escaped[int('>')] = true;
    }
};
constexpr EscapeTable kEscape;

inline bool needsEscape(unsigned char byte)
{
    return kEscape.escaped[byte];
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    return Trimming::trimmed(bytes);
}

QStringView trimmed(QStringView text)
{
    return Trimming::trimmed(text);
}

} // namespace

SpreadsheetWriter::SpreadsheetWriter(QIODevice &device) : m_device(device), m_buffer(new char[kBlock]) {}

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
        putEscaped(trimmed(QStringView(column.header)));
        put("</td>");
    }
    put("</tr>");
}

void SpreadsheetWriter::beginRow()
{
    put("<tr>");
}

void SpreadsheetWriter::openCell(Align align)
{
    put(align == Align::Right ? QByteArrayView(kRightCell) : QByteArrayView(kLeftCell));
}

void SpreadsheetWriter::cell(QByteArrayView storedBytes, Align align)
{
    openCell(align);
    putEscaped(trimmed(storedBytes));
    put("</td>");
}

void SpreadsheetWriter::cell(QStringView text, Align align)
{
    openCell(align);
    putEscaped(trimmed(text));
    put("</td>");
}

void SpreadsheetWriter::endRow()
{
    put("</tr>");
}

bool SpreadsheetWriter::finish()
{
    put(kTail);
    flush();
    return !m_failed;
}

void SpreadsheetWriter::put(QByteArrayView bytes)
{
    if (m_used + bytes.size() > kBlock) {
        flush();
        if (bytes.size() > kBlock) {
            if (!m_failed && m_device.write(bytes.data(), bytes.size()) != bytes.size())
                m_failed = true;
            return;
        }
    }
    std::memcpy(m_buffer.get() + m_used, bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

void SpreadsheetWriter::putEscaped(QByteArrayView bytes)
{
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!needsEscape(byte))
            continue;
        put(bytes.sliced(plainFrom, i - plainFrom));
        if (const char *entity = escapeFor(byte))
            put(entity);
        else
            put("&#" + QByteArray::number(byte) + ';');
        plainFrom = i + 1;
    }
    put(bytes.sliced(plainFrom));
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
    m_used = 0;
}
