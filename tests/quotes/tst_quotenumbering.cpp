#include "TestFolder.h"
#include "quotes/QuoteNumbering.h"
#include "quotes/Taccuino.h"

#include <QDir>
#include <QtTest>

class TestQuoteNumbering : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void propose_data();
    void propose();
    void startWindow_data();
    void startWindow();
    void issuerRoundTrip();
    void clearedIssuerKeepsTheRest();
    void numberingReadFromHandEditedFile();
    void unreadableFileIsLeftAlone();
};

void TestQuoteNumbering::propose_data()
{
    // clang-format off
    QTest::addColumn<QString>("inizio");
    QTest::addColumn<QString>("annoSolare");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("number");
    QTest::newRow("empty year, no settings") << "" << "" << qint64(0) << true << "1";
    QTest::newRow("after one save") << "" << "" << qint64(1) << true << "2";
    QTest::newRow("start 50 with 3 quotes") << "50" << "" << qint64(3) << true << "53";
    QTest::newRow("start 0 accepted") << "0" << "" << qint64(0) << true << "0";
    QTest::newRow("year appended") << "" << "S\u00EC" << qint64(3) << true << "4/2024";
    QTest::newRow("year flag read without blanks") << "1" << " S\u00EC " << qint64(3) << true << "4/2024";
    QTest::newRow("si is not S\u00EC") << "" << "si" << qint64(3) << true << "4";
    QTest::newRow("SI is not S\u00EC") << "" << "SI" << qint64(3) << true << "4";
    QTest::newRow("Si is not S\u00EC") << "" << "Si" << qint64(3) << true << "4";
    QTest::newRow("start with blanks") << " 7 " << "" << qint64(2) << true << "9";
    QTest::newRow("start not whole") << "1,5" << "" << qint64(0) << false << "";
    QTest::newRow("start letters") << "abc" << "S\u00EC" << qint64(0) << false << "";
    QTest::newRow("start beyond an integer") << "99999999999" << "" << qint64(0) << false << "";
    // clang-format on
}

void TestQuoteNumbering::propose()
{
    QFETCH(QString, inizio);
    QFETCH(QString, annoSolare);
    QFETCH(qint64, count);
    QFETCH(bool, ok);
    QFETCH(QString, number);
    const std::optional<QString> proposed = QuoteNumbering::propose(inizio, annoSolare, count, 2024);
    QCOMPARE(proposed.has_value(), ok);
    if (ok)
        QCOMPARE(*proposed, number);
}

void TestQuoteNumbering::startWindow_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("left");
    QTest::newRow("leading zeros") << "007" << "007" << "7";
    QTest::newRow("empty") << "" << "1" << "1";
    QTest::newRow("zero stays") << "0" << "0" << "0";
    QTest::newRow("letters") << "ab" << "ab" << "1";
    // clang-format on
}

void TestQuoteNumbering::startWindow()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, left);
    QCOMPARE(QuoteNumbering::shownStart(text), shown);
    QCOMPARE(QuoteNumbering::leaveStart(text), left);
}

void TestQuoteNumbering::issuerRoundTrip()
{
    TestFolder folder;
    const QString ini = folder.file(Taccuino::fileName());
    for (const QString &text : Taccuino::readIssuer(ini))
        QCOMPARE(text, QString());
    QVERIFY(!folder.exists(Taccuino::fileName()));

    Taccuino::IssuerTexts texts;
    for (int i = 0; i < Taccuino::IssuerCount; ++i)
        texts[size_t(i)] = QStringLiteral("v%1").arg(i);
    texts[Taccuino::Nome] = QStringLiteral("  Rossi S.r.l.  ");
    texts[Taccuino::Comune] = QStringLiteral("Forl\u00EC");
    texts[Taccuino::CampoLibero1] = QStringLiteral("riga uno\r\nCAP=00000");
    QVERIFY(Taccuino::writeIssuer(ini, texts));

    const QByteArray bytes = folder.read(Taccuino::fileName());
    QVERIFY(bytes.startsWith("[Ditta Emittente]\r\nNome=Rossi S.r.l.\r\nIndirizzo=v1\r\nCAP=v2\r\n"));
    QVERIFY(bytes.contains("Comune=Forl\xEC\r\n"));
    QVERIFY(bytes.endsWith("Aliquota Iva=v12\r\n"));

    const Taccuino::IssuerTexts back = Taccuino::readIssuer(ini);
    QCOMPARE(back[Taccuino::Nome], QStringLiteral("Rossi S.r.l."));
    QCOMPARE(back[Taccuino::Comune], QStringLiteral("Forl\u00EC"));
    // A line break typed into a field must not plant a key of its own.
    QCOMPARE(back[Taccuino::CampoLibero1], QStringLiteral("riga uno  CAP=00000"));
    QCOMPARE(back[Taccuino::CAP], QStringLiteral("v2"));
    QCOMPARE(back[Taccuino::AliquotaIva], QStringLiteral("v12"));
}

void TestQuoteNumbering::clearedIssuerKeepsTheRest()
{
    TestFolder folder;
    folder.write(Taccuino::fileName(),
                 "[Ditta Emittente]\r\nNome=Rossi\r\nPagamento=Bonifico\r\nIban=IT60X\r\n"
                 "Aliquota Iva=22\r\n\r\n[Numerazione Preventivi]\r\nInizio=50\r\n");
    const QString ini = folder.file(Taccuino::fileName());
    Taccuino::IssuerTexts texts = Taccuino::readIssuer(ini);
    QCOMPARE(texts[Taccuino::Pagamento], QStringLiteral("Bonifico"));
    for (int i = Taccuino::Nome; i <= Taccuino::CampoLibero2; ++i)
        texts[size_t(i)].clear();
    QVERIFY(Taccuino::writeIssuer(ini, texts));

    const QByteArray bytes = folder.read(Taccuino::fileName());
    for (const auto &entry : Taccuino::issuerEntries())
        QVERIFY2(bytes.contains("\r\n" + entry.key.toLatin1() + '='), qPrintable(entry.key));
    QVERIFY(bytes.contains("\r\nNome=\r\n"));
    QVERIFY(bytes.contains("\r\nCampo Libero 2=\r\n"));
    const Taccuino::IssuerTexts back = Taccuino::readIssuer(ini);
    QCOMPARE(back[Taccuino::Nome], QString());
    QCOMPARE(back[Taccuino::Pagamento], QStringLiteral("Bonifico"));
    QCOMPARE(back[Taccuino::Iban], QStringLiteral("IT60X"));
    QCOMPARE(back[Taccuino::AliquotaIva], QStringLiteral("22"));
    QCOMPARE(Taccuino::readNumbering(ini).inizio, QStringLiteral("50"));
}

void TestQuoteNumbering::numberingReadFromHandEditedFile()
{
    TestFolder folder;
    const QString ini = folder.file(Taccuino::fileName());
    folder.write(Taccuino::fileName(), "[numerazione preventivi]\nindicazione anno solare=S\xEC\n");
    QVERIFY(Taccuino::writeInizio(ini, QStringLiteral("50")));
    const Taccuino::Numbering n = Taccuino::readNumbering(ini);
    QCOMPARE(n.inizio, QStringLiteral("50"));
    QCOMPARE(n.annoSolare, QStringLiteral("S\u00EC"));
    QCOMPARE(QuoteNumbering::propose(n.inizio, n.annoSolare, 3, 2024), QStringLiteral("53/2024"));
}

void TestQuoteNumbering::unreadableFileIsLeftAlone()
{
    TestFolder folder;
    // A folder where the settings file should be: it reads as empty and is never replaced.
    QVERIFY(QDir(folder.path()).mkdir(Taccuino::fileName()));
    const QString ini = folder.file(Taccuino::fileName());
    QCOMPARE(Taccuino::readNumbering(ini).inizio, QString());
    QVERIFY(!Taccuino::writeIssuer(ini, Taccuino::IssuerTexts()));
    QVERIFY(!Taccuino::writeInizio(ini, QStringLiteral("5")));
    QVERIFY(QFileInfo(ini).isDir());
}

QTEST_APPLESS_MAIN(TestQuoteNumbering)
#include "tst_quotenumbering.moc"
