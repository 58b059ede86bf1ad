#include "core/Crypt.h"
#include "core/Record.h"
#include "core/TextField.h"
#include "core/Win1252.h"

#include <QtTest>

class TestTextField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void win1252RoundTripsEveryByte();
    void win1252Encode_data();
    void win1252Encode();
    void store_data();
    void store();
    void loadNeverReadsPastCapacity();
    void loadTrimsControlCharacters();
    void flags_data();
    void flags();
    void crypt_data();
    void crypt();
    void unscrambleRejectsNonHex();
};

void TestTextField::win1252RoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(Win1252::encode(Win1252::decode(all)), all);
    QCOMPARE(Win1252::decode(QByteArray("\x80")), QStringLiteral("\u20AC"));
    QCOMPARE(Win1252::decode(QByteArray("\x92")), QStringLiteral("\u2019"));
}

void TestTextField::win1252Encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("accented") << QStringLiteral("Citt\u00E0 \u00E8") << QByteArray("Citt\xE0 \xE8");
    QTest::newRow("euro") << QStringLiteral("\u20AC 5") << QByteArray("\x80 5");
    QTest::newRow("greek becomes ?") << QStringLiteral("\u03B1b") << QByteArray("?b");
    QTest::newRow("emoji is one ?") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("cyrillic") << QStringLiteral("\u0416") << QByteArray("?");
}

void TestTextField::win1252Encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Win1252::encode(text), bytes);
}

void TestTextField::store_data()
{
    // clang-format off
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << 5 << "Rossi" << QByteArray("\x05Rossi", 6);
    QTest::newRow("blanks at the ends go, inside stay")
        << 8 << "  a b \t" << QByteArray("\x03" "a b\0\0\0\0\0", 9);
    QTest::newRow("cut to capacity") << 3 << "abcdef" << QByteArray("\x03" "abc", 4);
    QTest::newRow("empty") << 2 << "" << QByteArray("\0\0\0", 3);
    QTest::newRow("yes flag") << 2 << QStringLiteral("S\u00EC") << QByteArray("\x02S\xEC", 3);
    QTest::newRow("unrepresentable") << 4 << QStringLiteral("\u03A9") << QByteArray("\x01?\0\0\0", 5);
    // clang-format on
}

void TestTextField::store()
{
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QByteArray buf(capacity + 1, '\xAA');
    TextField::store(buf.data(), capacity, text);
    QCOMPARE(buf, field);
}

void TestTextField::loadNeverReadsPastCapacity()
{
    // Length byte 200 on a Text(3) field followed by another field's bytes.
    const QByteArray bytes("\xC8"
                           "abcXYZ",
                           7);
    QCOMPARE(TextField::load(bytes.constData(), 3), QStringLiteral("abc"));
    QVERIFY(TextField::lengthOverflows(bytes.constData(), 3));
    // Filler after the text is ignored whatever it holds.
    const QByteArray filler("\x02"
                            "ok\xFF\xFF",
                            5);
    QCOMPARE(TextField::load(filler.constData(), 4), QStringLiteral("ok"));
}

void TestTextField::loadTrimsControlCharacters()
{
    const QByteArray bytes("\x07\x01 ab c\x1F", 8);
    QCOMPARE(TextField::load(bytes.constData(), 7), QStringLiteral("ab c"));
    // A no-break space (0xA0) is not trimmed: only codes up to 32 are.
    const QByteArray nbsp("\x02\xA0x", 3);
    QCOMPARE(TextField::load(nbsp.constData(), 2), QStringLiteral("\u00A0x"));
}

void TestTextField::flags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::newRow("yes") << QStringLiteral("S\u00EC") << 1;
    QTest::newRow("no") << "No" << 0;
    QTest::newRow("yes with blanks") << QStringLiteral(" S\u00EC ") << 1;
    QTest::newRow("empty leaves the box") << "" << -1;
    QTest::newRow("other leaves the box") << "Si" << -1;
}

void TestTextField::flags()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QCOMPARE(Record::flagState(text), state);
}

void TestTextField::crypt_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("first access password") << "PAROLAINIZIALE";
    QTest::newRow("empty") << "";
    QTest::newRow("latin-1 letters") << QStringLiteral("CAFF\u00C8 \u00FF\u0001");
    QTest::newRow("long") << QString(255, u'Z');
}

void TestTextField::crypt()
{
    QFETCH(QString, text);
    const QString hex = Crypt::scramble(text);
    QCOMPARE(hex.size(), text.size() * 2);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(hex).hasMatch());
    QCOMPARE(Crypt::unscramble(hex).value_or(QStringLiteral("<fail>")), text);
    // A trailing odd digit is ignored.
    QCOMPARE(Crypt::unscramble(hex + u'7').value_or(QStringLiteral("<fail>")), text);
}

void TestTextField::unscrambleRejectsNonHex()
{
    QVERIFY(!Crypt::unscramble(QStringLiteral("0G")).has_value());
    QVERIFY(!Crypt::unscramble(QStringLiteral("zz12")).has_value());
    // The first character depends only on the start key: 41093 >> 8 = 0xA0.
    QCOMPARE(Crypt::scramble(QStringLiteral("P")), QStringLiteral("F0"));
}

QTEST_APPLESS_MAIN(TestTextField)
#include "tst_textfield.moc"
