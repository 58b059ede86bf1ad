#include "TestFolder.h"
#include "core/IniFile.h"

#include <QtTest>

class TestIniFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsCaseInsensitivelyWithLfOrCrLf_data();
    void readsCaseInsensitivelyWithLfOrCrLf();
    void writeKeepsForeignLinesAndWritesCrLf();
    void writeCreatesSectionAndFile();
    void windows1252();
    void saveFailureLeavesOldFile();
};

void TestIniFile::readsCaseInsensitivelyWithLfOrCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("crlf") << QByteArray("[Accesso]\r\nValore=ABCD\r\n");
    QTest::newRow("lf") << QByteArray("[Accesso]\nValore=ABCD\n");
    QTest::newRow("other case, blanks") << QByteArray("; note\n[ accesso ]\n  VALORE = ABCD  \n");
    QTest::newRow("quoted") << QByteArray("[Accesso]\nValore=\"ABCD\"\n");
}

void TestIniFile::readsCaseInsensitivelyWithLfOrCrLf()
{
    QFETCH(QByteArray, bytes);
    IniFile ini;
    ini.fromBytes(bytes);
    QCOMPARE(ini.value(QStringLiteral("Accesso"), QStringLiteral("Valore")), QStringLiteral("ABCD"));
    QCOMPARE(ini.value(QStringLiteral("Accesso"), QStringLiteral("Altro"), QStringLiteral("x")),
             QStringLiteral("x"));
    QCOMPARE(ini.value(QStringLiteral("Nessuna"), QStringLiteral("Valore")), QString());
}

void TestIniFile::writeKeepsForeignLinesAndWritesCrLf()
{
    IniFile ini;
    ini.fromBytes("; commento\n[Ditta]\nNome=Vecchio\nAltro = 1\n\n[Accesso]\nValore=00\n");
    ini.setValue(QStringLiteral("ditta"), QStringLiteral("NOME"), QStringLiteral("Nuovo"));
    ini.setValue(QStringLiteral("Ditta"), QStringLiteral("Via"), QStringLiteral("Roma 1"));
    QCOMPARE(ini.toBytes(),
             QByteArray("; commento\r\n[Ditta]\r\nNome=Nuovo\r\nAltro = 1\r\nVia=Roma 1\r\n\r\n"
                        "[Accesso]\r\nValore=00\r\n"));
}

void TestIniFile::writeCreatesSectionAndFile()
{
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("Taccuino.ini"));
    QVERIFY(
        IniFile::write(path, QStringLiteral("Numerazione"), QStringLiteral("Inizio"), QStringLiteral("50")));
    QCOMPARE(dir.read(QStringLiteral("Taccuino.ini")), QByteArray("[Numerazione]\r\nInizio=50\r\n"));
    QCOMPARE(IniFile::read(path, QStringLiteral("NUMERAZIONE"), QStringLiteral("inizio")),
             QStringLiteral("50"));
}

void TestIniFile::windows1252()
{
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("a.ini"));
    QVERIFY(
        IniFile::write(path, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("Citt\u00E0 \u20AC")));
    QCOMPARE(dir.read(QStringLiteral("a.ini")), QByteArray("[S]\r\nK=Citt\xE0 \x80\r\n"));
    QCOMPARE(IniFile::read(path, QStringLiteral("S"), QStringLiteral("K")),
             QStringLiteral("Citt\u00E0 \u20AC"));
}

void TestIniFile::saveFailureLeavesOldFile()
{
    TestFolder dir;
    const QString path = dir.file(QStringLiteral("sub/a.ini"));
    QVERIFY(!IniFile::write(path, QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
    // A directory in the file's place: the write fails and the directory stays.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("b.ini")));
    QVERIFY(!IniFile::write(dir.file(QStringLiteral("b.ini")), QStringLiteral("S"), QStringLiteral("K"),
                            QStringLiteral("v")));
    QVERIFY(QFileInfo(dir.file(QStringLiteral("b.ini"))).isDir());
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
