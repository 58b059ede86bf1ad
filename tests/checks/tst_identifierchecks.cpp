#include "checks/IdentifierChecks.h"

#include <QtTest>

using Kind = CheckResult::Kind;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Identifier)

namespace {

const QString kCodFiscLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kCodFiscValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kCodFiscWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");

const QString kIvaLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kIvaWrong = QStringLiteral(
    "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
    "informazioni relative all'Ufficio IVA che lo ha rilasciato.");
QString ivaValid(const QString &office)
{
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                          "dall'Ufficio IVA del Comune di ") +
           office + u'.';
}

const QString kCartaEmpty = QStringLiteral(
    "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.");
const QString kCartaWrong = QStringLiteral(
    "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire informazioni "
    "relative al tipo di carta di credito.");
QString cartaValid(const QString &number, const QString &type)
{
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nLa carta di credito è del tipo ") + type + u'.';
}
QString cartaUnknownType(const QString &number)
{
    return QStringLiteral("Il numero di carta di credito ") + number +
           QStringLiteral(" risulta valido.\r\n\r\nIl tipo di carta di credito non è riconosciuto.");
}

const QString kIbanLength =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kIbanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kIbanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");

void addResultColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("needsCorrection");
}

void compareResult(const CheckResult &result)
{
    QFETCH(Kind, kind);
    QFETCH(QString, message);
    QFETCH(bool, needsCorrection);
    QCOMPARE(result.message, message);
    QCOMPARE(result.kind, kind);
    QCOMPARE(result.needsCorrection, needsCorrection);
}

} // namespace

class TestIdentifierChecks : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void codFisc_data();
    void codFisc();
    void codFiscCharacterValues_data();
    void codFiscCharacterValues();
    void partitaIva_data();
    void partitaIva();
    void officeName_data();
    void officeName();
    void carta_data();
    void carta();
    void iban_data();
    void iban();
    void ibanModulo97_data();
    void ibanModulo97();
    void companyTaxCode_data();
    void companyTaxCode();
    void editText_data();
    void editText();
};

void TestIdentifierChecks::codFisc_data()
{
    addResultColumns();
    const auto valid = [](const char *name, const char *code) {
        QTest::newRow(name) << QString::fromUtf8(code) << Kind::Information << kCodFiscValid << false;
    };
    const auto wrong = [](const char *name, const char *code) {
        QTest::newRow(name) << QString::fromUtf8(code) << Kind::Warning << kCodFiscWrong << false;
    };
    const auto length = [](const char *name, const char *code) {
        QTest::newRow(name) << QString::fromUtf8(code) << Kind::Warning << kCodFiscLength << true;
    };
    valid("valid", "RSSMRA85T10A562S");
    valid("small letters", "rssmra85t10a562s");
    valid("letters in place of digits", "RSSMRA85T10A56NH");
    valid("another valid", "MRTMTT25D09F205Z");
    wrong("other check letter", "RSSMRA85T10A562T");
    wrong("digit changed", "RSSMRA85T10A563S");
    wrong("digit in check place", "RSSMRA85T10A5620");
    length("15 characters", "RSSMRA85T10A562");
    length("17 characters", "RSSMRA85T10A562SX");
    length("hyphen", "RSSMRA85T10-562S");
    length("blank inside", "RSSMRA85T10 562S");
    length("trailing blank makes 17", "RSSMRA85T10A562S ");
    length("accented letter", "RSSMRÀ85T10A562S");
    length("empty", "");
}

void TestIdentifierChecks::codFisc()
{
    QFETCH(QString, text);
    compareResult(IdentifierChecks::checkCodFisc(text));
}

// Every character in an odd and in an even position, among zeros: a wrong value in either table
// gives a different check letter.
void TestIdentifierChecks::codFiscCharacterValues_data()
{
    QTest::addColumn<QString>("odd");
    QTest::addColumn<QString>("even");
    QTest::newRow("0") << "000000000000000I"
                       << "000000000000000I";
    QTest::newRow("1") << "100000000000000H"
                       << "010000000000000J";
    QTest::newRow("2") << "200000000000000M"
                       << "020000000000000K";
    QTest::newRow("3") << "300000000000000O"
                       << "030000000000000L";
    QTest::newRow("4") << "400000000000000Q"
                       << "040000000000000M";
    QTest::newRow("5") << "500000000000000U"
                       << "050000000000000N";
    QTest::newRow("6") << "600000000000000W"
                       << "060000000000000O";
    QTest::newRow("7") << "700000000000000Y"
                       << "070000000000000P";
    QTest::newRow("8") << "800000000000000A"
                       << "080000000000000Q";
    QTest::newRow("9") << "900000000000000C"
                       << "090000000000000R";
    QTest::newRow("A") << "A00000000000000I"
                       << "0A0000000000000I";
    QTest::newRow("B") << "B00000000000000H"
                       << "0B0000000000000J";
    QTest::newRow("C") << "C00000000000000M"
                       << "0C0000000000000K";
    QTest::newRow("D") << "D00000000000000O"
                       << "0D0000000000000L";
    QTest::newRow("E") << "E00000000000000Q"
                       << "0E0000000000000M";
    QTest::newRow("F") << "F00000000000000U"
                       << "0F0000000000000N";
    QTest::newRow("G") << "G00000000000000W"
                       << "0G0000000000000O";
    QTest::newRow("H") << "H00000000000000Y"
                       << "0H0000000000000P";
    QTest::newRow("I") << "I00000000000000A"
                       << "0I0000000000000Q";
    QTest::newRow("J") << "J00000000000000C"
                       << "0J0000000000000R";
    QTest::newRow("K") << "K00000000000000J"
                       << "0K0000000000000S";
    QTest::newRow("L") << "L00000000000000L"
                       << "0L0000000000000T";
    QTest::newRow("M") << "M00000000000000Z"
                       << "0M0000000000000U";
    QTest::newRow("N") << "N00000000000000B"
                       << "0N0000000000000V";
    QTest::newRow("O") << "O00000000000000S"
                       << "0O0000000000000W";
    QTest::newRow("P") << "P00000000000000K"
                       << "0P0000000000000X";
    QTest::newRow("Q") << "Q00000000000000N"
                       << "0Q0000000000000Y";
    QTest::newRow("R") << "R00000000000000P"
                       << "0R0000000000000Z";
    QTest::newRow("S") << "S00000000000000T"
                       << "0S0000000000000A";
    QTest::newRow("T") << "T00000000000000V"
                       << "0T0000000000000B";
    QTest::newRow("U") << "U00000000000000X"
                       << "0U0000000000000C";
    QTest::newRow("V") << "V00000000000000R"
                       << "0V0000000000000D";
    QTest::newRow("W") << "W00000000000000D"
                       << "0W0000000000000E";
    QTest::newRow("X") << "X00000000000000G"
                       << "0X0000000000000F";
    QTest::newRow("Y") << "Y00000000000000F"
                       << "0Y0000000000000G";
    QTest::newRow("Z") << "Z00000000000000E"
                       << "0Z0000000000000H";
}

void TestIdentifierChecks::codFiscCharacterValues()
{
    QFETCH(QString, odd);
    QFETCH(QString, even);
    QCOMPARE(IdentifierChecks::checkCodFisc(odd).message, kCodFiscValid);
    QCOMPARE(IdentifierChecks::checkCodFisc(even).message, kCodFiscValid);
}

void TestIdentifierChecks::partitaIva_data()
{
    addResultColumns();
    QTest::newRow("Monza") << "12345670967" << Kind::Information
                           << ivaValid(QStringLiteral("Monza (Milano 2)")) << false;
    QTest::newRow("Forlì") << "12345670405" << Kind::Information << ivaValid(QStringLiteral("Forlì"))
                           << false;
    QTest::newRow("Torino") << "12345670017" << Kind::Information << ivaValid(QStringLiteral("Torino"))
                            << false;
    QTest::newRow("code 102") << "12345671023" << Kind::Information << ivaValid(QStringLiteral("Napoli 2"))
                              << false;
    QTest::newRow("code 120") << "12345671205" << Kind::Information << ivaValid(QStringLiteral("Bologna 2"))
                              << false;
    QTest::newRow("code 121") << "12345671213" << Kind::Information << ivaValid(QStringLiteral("Napoli 2"))
                              << false;
    QTest::newRow("code 000 has no name")
        << "12345670009" << Kind::Information << ivaValid(QString()) << false;
    QTest::newRow("code 105 has no name")
        << "12345671056" << Kind::Information << ivaValid(QString()) << false;
    QTest::newRow("check digit changed") << "12345670968" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("even-position digit changed") << "12345770967" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("office digit changed") << "12345670867" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("two neighbours swapped") << "12345670976" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("11 with a letter") << "1234567096A" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("11 with a blank") << "12345 70967" << Kind::Warning << kIvaWrong << false;
    QTest::newRow("10 digits") << "1234567096" << Kind::Warning << kIvaLength << true;
    QTest::newRow("12 digits") << "123456709670" << Kind::Warning << kIvaLength << true;
    QTest::newRow("letters, other length") << "IT12345670967" << Kind::Warning << kIvaLength << true;
    QTest::newRow("empty") << "" << Kind::Warning << kIvaLength << true;
}

void TestIdentifierChecks::partitaIva()
{
    QFETCH(QString, text);
    compareResult(IdentifierChecks::checkPartitaIva(text));
}

void TestIdentifierChecks::officeName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("001") << "001"
                         << "Torino";
    QTest::newRow("040") << "040"
                         << "Forlì";
    QTest::newRow("095") << "095"
                         << "Oristano";
    QTest::newRow("096") << "096"
                         << "Monza (Milano 2)";
    QTest::newRow("097") << "097"
                         << "Prato (Firenze 2)";
    QTest::newRow("099") << "099"
                         << "Chiavari (Genova 2)";
    QTest::newRow("101") << "101"
                         << "Bologna 2";
    QTest::newRow("102") << "102"
                         << "Napoli 2";
    QTest::newRow("120") << "120"
                         << "Bologna 2";
    QTest::newRow("121") << "121"
                         << "Napoli 2";
    QTest::newRow("000") << "000"
                         << "";
    QTest::newRow("103") << "103"
                         << "";
    QTest::newRow("119") << "119"
                         << "";
    QTest::newRow("122") << "122"
                         << "";
    QTest::newRow("999") << "999"
                         << "";
    QTest::newRow("two digits") << "96"
                                << "";
}

void TestIdentifierChecks::officeName()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(IdentifierChecks::officeName(code), name);
}

void TestIdentifierChecks::carta_data()
{
    addResultColumns();
    const auto valid = [](const char *name, const char *number, const char *type) {
        QTest::newRow(name) << QString::fromUtf8(number) << Kind::Information
                            << cartaValid(QString::fromUtf8(number).trimmed(), QString::fromUtf8(type))
                            << false;
    };
    const auto wrong = [](const char *name, const char *number) {
        QTest::newRow(name) << QString::fromUtf8(number) << Kind::Warning << kCartaWrong << false;
    };
    valid("Visa", "4111111111111111", "Visa");
    valid("Visa of 13 digits", "4222222222222", "Visa");
    valid("American Express 37", "378282246310005", "American Express");
    valid("American Express 34", "3412345678901237", "American Express");
    valid("Diners 36", "36227206271667", "Diner's Club / Carte Blanche");
    valid("Diners 30", "30569309025904", "Diner's Club / Carte Blanche");
    valid("Diners 38", "38520000023237", "Diner's Club / Carte Blanche");
    valid("JCB 35", "3530111333300000", "JCB");
    valid("JCB 31", "3112345678901230", "JCB");
    valid("JCB 33", "3312345678901238", "JCB");
    valid("MasterCard", "5555555555554444", "MasterCard");
    valid("Discover", "6011111111111117", "Discover");
    valid("groups of four with blanks", "4111 1111 1111 1111", "Visa");
    valid("groups with hyphens", "4111-1111-1111-1111", "Visa");
    valid("blanks around are trimmed", "  378282246310005 ", "American Express");
    // The digits among the first 20 characters make a valid Visa; all the digits would not.
    valid("digits past the 20th character ignored", "4111 1111 1111 1111 1234", "Visa");
    wrong("Visa with a digit changed", "4111111111111112");
    wrong("19 digits all counted", "4111111111111111999");
    wrong("Luhn-valid starting with 2", "212345678901235");
    wrong("Luhn-valid starting with 7", "712345678901230");
    wrong("Luhn-valid starting with 0", "012345678901237");
    wrong("Luhn-valid starting with 1", "112345678901236");
    wrong("Luhn-valid starting with 8", "812345678901239");
    wrong("Luhn-valid starting with 9", "912345678901238");
    wrong("no digits", "ABCD");
    QTest::newRow("valid 32 names no type") << "3212345678901239" << Kind::Information
                                            << cartaUnknownType(QStringLiteral("3212345678901239")) << false;
    QTest::newRow("valid 39 names no type") << "3912345678901232" << Kind::Information
                                            << cartaUnknownType(QStringLiteral("3912345678901232")) << false;
    QTest::newRow("type from characters, not digits")
        << "3 7828 2246 3100 05" << Kind::Information
        << cartaUnknownType(QStringLiteral("3 7828 2246 3100 05")) << false;
    QTest::newRow("empty") << "" << Kind::Warning << kCartaEmpty << true;
    QTest::newRow("only blanks") << "   " << Kind::Warning << kCartaEmpty << true;
}

void TestIdentifierChecks::carta()
{
    QFETCH(QString, text);
    compareResult(IdentifierChecks::checkCarta(text));
}

void TestIdentifierChecks::iban_data()
{
    addResultColumns();
    QTest::newRow("Italian") << "IT60X0542811101000000123456" << Kind::Information << kIbanValid << false;
    QTest::newRow("small letters") << "it60x0542811101000000123456" << Kind::Information << kIbanValid
                                   << false;
    QTest::newRow("French, 27 characters")
        << "FR1420041010050500013M02606" << Kind::Information << kIbanValid << false;
    QTest::newRow("Monaco, 27 characters")
        << "MC5811222000010123456789030" << Kind::Information << kIbanValid << false;
    QTest::newRow("the letters IBAN in the account number")
        << "IT73X0542811101IBAN00123456" << Kind::Information << kIbanValid << false;
    QTest::newRow("two digits swapped")
        << "IT60X0542811101000000123465" << Kind::Warning << kIbanWrong << false;
    QTest::newRow("check digits changed")
        << "IT61X0542811101000000123456" << Kind::Warning << kIbanWrong << false;
    QTest::newRow("hyphen") << "IT60X0542811101000000-23456" << Kind::Warning << kIbanWrong << false;
    QTest::newRow("groups of four, 33 characters")
        << "IT60 X054 2811 1010 0000 0123 456" << Kind::Warning << kIbanLength << true;
    QTest::newRow("26 characters") << "IT60X054281110100000012345" << Kind::Warning << kIbanLength << true;
    QTest::newRow("longer IBAN of another country")
        << "MT84MALT011000012345MTLCAST001S" << Kind::Warning << kIbanLength << true;
    QTest::newRow("empty") << "" << Kind::Warning << kIbanLength << true;
}

void TestIdentifierChecks::iban()
{
    QFETCH(QString, text);
    compareResult(IdentifierChecks::checkIban(text));
}

void TestIdentifierChecks::ibanModulo97_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("remainder");
    QTest::newRow("Italian") << "IT60X0542811101000000123456" << 1;
    QTest::newRow("groups with blanks") << "IT60 X054 2811 1010 0000 0123 456" << 1;
    QTest::newRow("IBAN in front") << "IBAN IT60 X054 2811 1010 0000 0123 456" << 1;
    QTest::newRow("iban in small letters") << "iban it60 x054 2811 1010 0000 0123 456" << 1;
    QTest::newRow("IBAN in front of one with IBAN inside") << "IBAN IT73X0542811101IBAN00123456" << 1;
    QTest::newRow("Maltese, 31 characters") << "MT84MALT011000012345MTLCAST001S" << 1;
    QTest::newRow("British, 22 characters") << "GB82WEST12345698765432" << 1;
    // Remainders other than 1 come out as the whole number's remainder would.
    QTest::newRow("remainder 38") << "IT00X0542811101000000123456" << 38;
    QTest::newRow("remainder 41, letters only") << "ZZ99ZZZZZZZZZZZZZZZZZZZZZZZZZZZZZZ" << 41;
    QTest::newRow("hyphen") << "IT60-X054" << 0;
    QTest::newRow("accented letter") << "IT60X05428111010000001234À" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestIdentifierChecks::ibanModulo97()
{
    QFETCH(QString, text);
    QFETCH(int, remainder);
    QCOMPARE(IdentifierChecks::ibanModulo97(text), remainder);
}

void TestIdentifierChecks::companyTaxCode_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("company");
    QTest::newRow("eleven digits") << "12345670967" << true;
    QTest::newRow("a few digits") << "123" << true;
    QTest::newRow("person's code") << "RSSMRA85T10A562S" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("digits with a blank") << "123 456" << false;
    QTest::newRow("other script's digits") << "١٢٣" << false;
}

void TestIdentifierChecks::companyTaxCode()
{
    QFETCH(QString, field);
    QFETCH(bool, company);
    QCOMPARE(IdentifierChecks::isCompanyTaxCode(field), company);
}

void TestIdentifierChecks::editText_data()
{
    QTest::addColumn<Identifier>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("edited");
    QTest::newRow("tax code") << Identifier::CodFisc << " rssmra85t10a562s "
                              << "RSSMRA85T10A562S";
    QTest::newRow("VAT number left as it is") << Identifier::PartitaIva << " 123ab "
                                              << " 123ab ";
    QTest::newRow("card") << Identifier::Carta << " 4111 1111 "
                          << "4111 1111";
    QTest::newRow("IBAN longer than the edit is not cut")
        << Identifier::Iban << "it60 x054 2811 1010 0000 0123 456"
        << "IT60 X054 2811 1010 0000 0123 456";
    QTest::newRow("capitals keep the length") << Identifier::Iban << "straße"
                                              << "STRAßE";
}

void TestIdentifierChecks::editText()
{
    QFETCH(Identifier, id);
    QFETCH(QString, text);
    QFETCH(QString, edited);
    QCOMPARE(IdentifierChecks::editText(id, text), edited);
}

QTEST_GUILESS_MAIN(TestIdentifierChecks)
#include "tst_identifierchecks.moc"
