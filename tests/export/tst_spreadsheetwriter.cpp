#include "services/SpreadsheetWriter.h"

#include <QBuffer>
#include <QTest>

using Align = SpreadsheetWriter::Align;
using Column = SpreadsheetWriter::Column;

namespace {

// The fixed opening, written out by hand: the sheet name goes between <x:Name> and </x:Name>.
QByteArray head(const QByteArray &sheet)
{
    return "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">"
           "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
           "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet><x:Name>" +
           sheet +
           "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
           "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes><x:ProtectContents>False</x:ProtectContents>"
           "<x:ProtectObjects>False</x:ProtectObjects><x:ProtectScenarios>False</x:ProtectScenarios>"
           "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
           "</xml><![endif]--></head><body><table x:str>";
}

const QByteArray kTail = "</table></body></html>";

QByteArray th(int width, const QByteArray &text)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(width) + ">" +
           text + "</td>";
}
QByteArray tdL(const QByteArray &text)
{
    return "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">" + text + "</td>";
}
QByteArray tdR(const QByteArray &text)
{
    return "<td style=\"text-align: right;\" sdnum=\"1040;0;@\">" + text + "</td>";
}

// One cell as the caller hands it: stored bytes, or text from a grid edit.
struct Cell
{
    QByteArray stored;
    QString edited;
    bool isEdit = false;
};
Cell stored(const QByteArray &bytes)
{
    return {bytes, {}, false};
}
Cell edit(const QString &text)
{
    return {{}, text, true};
}

using Rows = QList<QList<Cell>>;

QByteArray writeAll(const QString &sheet, const QList<Column> &columns, const Rows &rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetWriter writer(buffer);
    writer.begin(sheet, columns);
    for (const auto &row : rows) {
        writer.beginRow();
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (row[c].isEdit)
                writer.cell(QStringView(row[c].edited), columns[c].align);
            else
                writer.cell(QByteArrayView(row[c].stored), columns[c].align);
        }
        writer.endRow();
    }
    if (!writer.finish())
        qFatal("a write to a buffer failed");
    return buffer.data();
}

// A device that takes the first `room` bytes and then fails, as a full disk does.
class FullDisk : public QIODevice
{
public:
    explicit FullDisk(qint64 room) : m_room(room) { open(WriteOnly); }
    qint64 taken = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (taken + length > m_room)
            return -1;
        taken += length;
        return length;
    }

private:
    qint64 m_room;
};

} // namespace

Q_DECLARE_METATYPE(Rows)

class TestSpreadsheetWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesTheFile_data();
    void writesTheFile();
    void reportsAFailedWrite();
};

void TestSpreadsheetWriter::writesTheFile_data()
{
    // clang-format off
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QList<Column>>("columns");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QByteArray>("expected");

    const QList<Column> two = {{QStringLiteral("Cliente"), 250, Align::Left},
                               {QStringLiteral("CAP"), 180, Align::Left}};
    const QByteArray twoHeader = "<tr>" + th(250, "Cliente") + th(180, "CAP") + "</tr>";

    QTest::newRow("no rows: the header row only") << QStringLiteral("Riepilogo Clienti") << two << Rows{}
                                                  << head("Riepilogo Clienti") + twoHeader + kTail;

    QTest::newRow("three rows, trimmed, leading zeros and empty cells kept")
        << QStringLiteral("Riepilogo Clienti") << two
        << Rows{{stored("Rossi Mario"), stored("00184")},
                {stored("  Bianchi Anna \x01"), stored("")},
                {stored("Verdi"), stored(" 20121 ")}}
        << head("Riepilogo Clienti") + twoHeader + "<tr>" + tdL("Rossi Mario") + tdL("00184") + "</tr>" +
               "<tr>" + tdL("Bianchi Anna") + tdL("") + "</tr>" + "<tr>" + tdL("Verdi") + tdL("20121") +
               "</tr>" + kTail;

    QTest::newRow("right-aligned columns beside a left one")
        << QStringLiteral("Riepilogo annuale preventivi")
        << QList<Column>{{QStringLiteral("Note"), 350, Align::Left},
                         {QStringLiteral("TOTALE PREVENTIVO"), 150, Align::Right}}
        << Rows{{stored("ok"), stored("1.220,00")}}
        << head("Riepilogo annuale preventivi") + "<tr>" + th(350, "Note") + th(150, "TOTALE PREVENTIVO") +
               "</tr>" + "<tr>" + tdL("ok") + tdR("1.220,00") + "</tr>" + kTail;

    QTest::newRow("Windows-1252 bytes: a header and stored bytes and edited text")
        << QStringLiteral("Scadenze e Appuntamenti")
        << QList<Column>{{QStringLiteral("Modalità di pagamento"), 300, Align::Left},
                         {QStringLiteral("Città"), 250, Align::Left}}
        << Rows{{stored("\x80 10 all'\xE0"), edit(QStringLiteral("Forlì €"))}}
        << head("Scadenze e Appuntamenti") + "<tr>" + th(300, "Modalit\xE0 di pagamento") +
               th(250, "Citt\xE0") + "</tr><tr>" + tdL("\x80 10 all'\xE0") + tdL("Forl\xEC \x80") + "</tr>" +
               kTail;

    QTest::newRow("markup characters escaped, in stored and edited cells and headers")
        << QStringLiteral("A&B <1>")
        << QList<Column>{{QStringLiteral("<b>"), 100, Align::Left},
                         {QStringLiteral("R&D"), 100, Align::Right}}
        << Rows{{stored("</td><b>x</b> &amp;"), edit(QStringLiteral("a<b & c>d"))}}
        << head("A&amp;B &lt;1&gt;") + "<tr>" + th(100, "&lt;b&gt;") + th(100, "R&amp;D") + "</tr><tr>" +
               tdL("&lt;/td&gt;&lt;b&gt;x&lt;/b&gt; &amp;amp;") + tdR("a&lt;b &amp; c&gt;d") + "</tr>" +
               kTail;

    QTest::newRow("characters the code page lacks, from an edit, as numeric references")
        << QStringLiteral("S") << QList<Column>{{QStringLiteral("Note"), 350, Align::Left}}
        << Rows{{edit(QStringLiteral("Ω \u3042 \U0001F600 ok"))}}
        << head("S") + "<tr>" + th(350, "Note") + "</tr><tr>" + tdL("&#937; &#12354; &#128512; ok") +
               "</tr>" + kTail;

    // A block is a megabyte and long values are escaped in pieces: these cross both boundaries at
    // many places, escapes included.
    const QByteArray unit = "a\x01" "b<c&d";
    QTest::newRow("a value longer than the pieces it is escaped in")
        << QStringLiteral("S") << QList<Column>{{QStringLiteral("Note"), 350, Align::Left}}
        << Rows{{stored(" " + unit.repeated(30000) + " ")}, {stored("ok")}}
        << head("S") + "<tr>" + th(350, "Note") + "</tr><tr>" +
               tdL(QByteArray("a&#1;b&lt;c&amp;d").repeated(30000)) + "</tr><tr>" + tdL("ok") + "</tr>" +
               kTail;

    Rows many;
    for (int i = 0; i < 30000; ++i)
        many.append({stored("Rossi & Figli"), stored(QByteArray::number(i))});
    QByteArray manyRows;
    for (int i = 0; i < 30000; ++i)
        manyRows += "<tr>" + tdL("Rossi &amp; Figli") + tdR(QByteArray::number(i)) + "</tr>";
    QTest::newRow("rows over several blocks")
        << QStringLiteral("S")
        << QList<Column>{{QStringLiteral("Ditta"), 250, Align::Left}, {QStringLiteral("N"), 80, Align::Right}}
        << many << head("S") + "<tr>" + th(250, "Ditta") + th(80, "N") + "</tr>" + manyRows + kTail;

    QTest::newRow("line breaks inside a value become references: the file stays one line")
        << QStringLiteral("S") << QList<Column>{{QStringLiteral("Note"), 350, Align::Left}}
        << Rows{{stored("uno\r\ndue")}, {edit(QStringLiteral("tre\nquattro"))}}
        << head("S") + "<tr>" + th(350, "Note") + "</tr><tr>" + tdL("uno&#13;&#10;due") + "</tr><tr>" +
               tdL("tre&#10;quattro") + "</tr>" + kTail;
    // clang-format on
}

void TestSpreadsheetWriter::writesTheFile()
{
    QFETCH(QString, sheet);
    QFETCH(QList<Column>, columns);
    QFETCH(Rows, rows);
    QFETCH(QByteArray, expected);

    const QByteArray written = writeAll(sheet, columns, rows);
    QCOMPARE(written, expected);
    QVERIFY(!written.contains('\r'));
    QVERIFY(!written.contains('\n'));
}

void TestSpreadsheetWriter::reportsAFailedWrite()
{
    // Large enough that the writer hands the device several blocks.
    const QByteArray note(2000, 'x');
    for (const qint64 room : {qint64(0), qint64(3) << 20}) {
        FullDisk disk(room);
        SpreadsheetWriter writer(disk);
        writer.begin(QStringLiteral("S"), {{QStringLiteral("Note"), 350, Align::Left}});
        for (int i = 0; i < 5000; ++i) {
            writer.beginRow();
            writer.cell(QByteArrayView(note), Align::Left);
            writer.endRow();
        }
        QVERIFY2(!writer.finish(), qPrintable(QStringLiteral("room %1").arg(room)));
        QVERIFY(disk.taken <= room);
    }
}

QTEST_GUILESS_MAIN(TestSpreadsheetWriter)
#include "tst_spreadsheetwriter.moc"
