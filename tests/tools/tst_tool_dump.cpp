#include "TestFolder.h"
#include "ToolRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// A field laid out by hand, as another program would write it: length byte, text, then filler.
QByteArray field(int capacity, const QByteArray &text, char filler = '\0', int lengthByte = -1)
{
    QByteArray f;
    f.append(char(lengthByte >= 0 ? lengthByte : text.size()));
    f.append(text.left(capacity));
    f.append(QByteArray(capacity - qMin<int>(capacity, text.size()), filler));
    return f;
}

// A deadline record (1368 bytes) with its first fields filled and the rest left as filler.
QByteArray deadline(const QByteArray &giorno, const QByteArray &mese, const QByteArray &pagatore, char filler,
                    int pagatoreLength = -1)
{
    QByteArray r;
    r += field(2, giorno, filler);
    r += field(10, mese, filler);
    r += field(4, "2024", filler);
    r += field(10, "05/03/2024", filler);
    r += field(2, "09", filler);
    r += field(2, "30", filler);
    r += field(5, "09:30", filler);
    r += field(3, "7", filler);
    r += field(50, pagatore, filler, pagatoreLength);
    r += QByteArray(1368 - r.size(), '\0');
    return r;
}

} // namespace

class TestToolDump : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dumpsHandWrittenRecords();
    void dumpsEveryKindByName_data();
    void dumpsEveryKindByName();
    void verifyReportsProblems();
    void usageErrors();
};

void TestToolDump::dumpsHandWrittenRecords()
{
    TestFolder dir;
    // Record 1: Windows-1252 letters, blanks around, non-zero filler. Record 2: a length byte of
    // 200 over a Text(50) field (only 50 bytes may be read). Then half a record.
    QByteArray file = deadline("05", "Marzo", "  Nicol\xF2 D'Amico \x80 ", '\xFF');
    file += deadline("31", "Dicembre", QByteArray(50, 'A'), 'z', 200);
    file += deadline("01", "Gennaio", "Tail", '\0').left(700);
    dir.write(QStringLiteral("2024.sca"), file);

    const ToolRun r = runTool({QStringLiteral("dump"), dir.file(QStringLiteral("2024.sca"))});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(r.lines[0]).object();
    QCOMPARE(first.keys().size(), 25);
    QVERIFY(r.lines[0].startsWith("{\"Giorno\": \"05\", \"Mese\": \"Marzo\", \"Anno\": \"2024\""));
    QCOMPARE(first.value(QStringLiteral("Pagatore")).toString(),
             QStringLiteral("Nicol\u00F2 D'Amico \u20AC"));
    QCOMPARE(first.value(QStringLiteral("Ora")).toString(), QStringLiteral("09:30"));
    QCOMPARE(first.value(QStringLiteral("Effettuata")).toString(), QString());
    const QJsonObject second = QJsonDocument::fromJson(r.lines[1]).object();
    QCOMPARE(second.value(QStringLiteral("Pagatore")).toString(), QString(50, u'A'));
    QCOMPARE(second.value(QStringLiteral("CodFisc")).toString(), QString());
}

void TestToolDump::dumpsEveryKindByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("firstKey");
    QTest::newRow("customers") << "Clienti.pro" << 3151 << "Cognome";
    QTest::newRow("suppliers") << "Fornitori.pro" << 3643 << "Ditta";
    QTest::newRow("items") << "Magazzino.pro" << 4874 << "Codice";
    QTest::newRow("quotes") << "2025.pre" << 4886 << "txtNumFatt";
    QTest::newRow("deadlines") << "2025.sca" << 1368 << "Giorno";
}

void TestToolDump::dumpsEveryKindByName()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, firstKey);
    TestFolder dir;
    QByteArray rec = QByteArray("\x02"
                                "01") +
                     QByteArray(size - 3, '\0');
    dir.write(name, rec + rec);
    const ToolRun r = runTool({QStringLiteral("dump"), dir.file(name)});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.lines.size(), 2);
    QVERIFY(r.lines[0].startsWith(QStringLiteral("{\"%1\": \"01\"").arg(firstKey).toUtf8()));
}

void TestToolDump::verifyReportsProblems()
{
    TestFolder dir;
    dir.write(QStringLiteral("2024.sca"),
              deadline("05", "Marzo", "Rossi", '\0') + deadline("06", "Marzo", "X", '\0'));
    ToolRun r = runTool({QStringLiteral("verify"), dir.file(QStringLiteral("2024.sca"))});
    QCOMPARE(r.status, 0);
    QVERIFY(r.lines.last() == "clean");

    dir.write(QStringLiteral("2025.sca"), deadline("05", "Marzo", "Rossi", '\0') +
                                              deadline("06", "Marzo", "X", '\0', 99) + QByteArray(10, 'x'));
    r = runTool({QStringLiteral("verify"), dir.file(QStringLiteral("2025.sca"))});
    QCOMPARE(r.status, 1);
    const QByteArray all = r.lines.join('\n');
    QVERIFY2(all.contains("record 2: field Pagatore has length byte 99 over its capacity 50"), all);
    QVERIFY2(all.contains("2 records of 1368 bytes"), all);
    QVERIFY2(all.contains("10 stray bytes"), all);
}

void TestToolDump::usageErrors()
{
    TestFolder dir;
    QCOMPARE(runTool({QStringLiteral("dump")}).status, 2);
    QCOMPARE(runTool({QStringLiteral("dump"), dir.file(QStringLiteral("Sconosciuto.dat"))}).status, 2);
    const ToolRun missing = runTool({QStringLiteral("verify"), dir.file(QStringLiteral("Clienti.pro"))});
    QCOMPARE(missing.status, 2);
    QVERIFY(missing.err.contains("no such file"));
    // Inspecting must never create the archive.
    QVERIFY(!dir.exists(QStringLiteral("Clienti.pro")));
    QCOMPARE(runTool({QStringLiteral("bogus")}).status, 2);
    QCOMPARE(runTool({QStringLiteral("--help")}).status, 0);
}

QTEST_GUILESS_MAIN(TestToolDump)
#include "tst_tool_dump.moc"
