#include "ToolRun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class TestCheckTool : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void check_data();
    void check();
    void messageIsOneJsonLine();
    void usageErrors_data();
    void usageErrors();
};

void TestCheckTool::check_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("messageKind");
    QTest::addColumn<QString>("message");

    QTest::newRow("tax code in small letters with a blank") << "codfisc"
                                                            << "rssmra85t10a562s " << 0 << "information"
                                                            << "Il codice fiscale digitato è VALIDO.";
    QTest::newRow("tax code wrong") << "codfisc"
                                    << "RSSMRA85T10A562T" << 1 << "warning"
                                    << "Attenzione: il codice fiscale digitato è ERRATO.";
    QTest::newRow("VAT number, trimmed as the card does")
        << "partitaiva"
        << " 12345670967 " << 0 << "information"
        << "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato dall'Ufficio IVA "
           "del "
           "Comune di Monza (Milano 2).";
    QTest::newRow("VAT number too long is not cut to 11")
        << "partitaiva"
        << "123456709670" << 1 << "warning"
        << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
    QTest::newRow("card longer than 30 characters")
        << "carta"
        << "4111 1111 1111 1111 0000 0000 0000" << 0 << "information"
        << "Il numero di carta di credito 4111 1111 1111 1111 0000 0000 0000 risulta valido.\r\n\r\nLa carta "
           "di credito è del tipo Visa.";
    QTest::newRow("empty card")
        << "carta"
        << "" << 1 << "warning"
        << "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.";
    QTest::newRow("IBAN in small letters") << "iban"
                                           << "it60x0542811101000000123456" << 0 << "information"
                                           << "L'IBAN digitato è VALIDO.";
    QTest::newRow("IBAN in groups, 33 characters")
        << "iban"
        << "IT60 X054 2811 1010 0000 0123 456" << 1 << "warning"
        << "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
}

void TestCheckTool::check()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, exitCode);
    QFETCH(QString, messageKind);
    QFETCH(QString, message);

    const ToolRun run = runTool({QStringLiteral("check"), kind, text});
    QCOMPARE(run.status, exitCode);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(run.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json.object().value(QStringLiteral("kind")).toString(), messageKind);
    QCOMPARE(json.object().value(QStringLiteral("message")).toString(), message);
}

void TestCheckTool::messageIsOneJsonLine()
{
    const ToolRun run = runTool(
        {QStringLiteral("check"), QStringLiteral("iban"), QStringLiteral("IT60X0542811101000000123465")});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out,
             QByteArray("{\"kind\": \"warning\", \"message\": \"Attenzione: l'IBAN digitato è ERRATO!\"}\n"));

    const ToolRun valid =
        runTool({QStringLiteral("check"), QStringLiteral("partitaiva"), QStringLiteral("12345670009")});
    QCOMPARE(valid.status, 0);
    QVERIFY(valid.out.contains("VALIDO.\\r\\n\\r\\nE' stato"));
    QCOMPARE(valid.out.count('\n'), 1);
    QVERIFY(!valid.out.contains('\r'));
    QVERIFY(valid.out.endsWith("Comune di .\"}\n"));
}

void TestCheckTool::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no kind") << QStringList{QStringLiteral("check")};
    QTest::newRow("no text") << QStringList{QStringLiteral("check"), QStringLiteral("iban")};
    QTest::newRow("unknown kind") << QStringList{QStringLiteral("check"), QStringLiteral("cf"),
                                                 QStringLiteral("X")};
    QTest::newRow("kind in capitals")
        << QStringList{QStringLiteral("check"), QStringLiteral("IBAN"), QStringLiteral("X")};
    QTest::newRow("text in two arguments") << QStringList{QStringLiteral("check"), QStringLiteral("carta"),
                                                          QStringLiteral("4111"), QStringLiteral("1111")};
}

void TestCheckTool::usageErrors()
{
    QFETCH(QStringList, args);
    const ToolRun run = runTool(args);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains("usage: quadrivo-tool check KIND TEXT"));
}

QTEST_GUILESS_MAIN(TestCheckTool)
#include "tst_checktool.moc"
