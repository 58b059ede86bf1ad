// The four identifier checks over any text: every check answers with a message and never
// crashes; and against an independent computation, a correctly built VAT number, card number or
// IBAN is accepted while any single changed character is caught.

#include "FuzzCheck.h"
#include "checks/IdentifierChecks.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const Identifier kIds[] = {Identifier::CodFisc, Identifier::PartitaIva, Identifier::Carta, Identifier::Iban};

// The Luhn check digit of `digits` (the digit that would follow them).
int luhnDigit(const QString &digits)
{
    int sum = 0;
    bool doubled = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        int d = digits[i].unicode() - u'0';
        if (doubled)
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        sum += d;
        doubled = !doubled;
    }
    return (10 - sum % 10) % 10;
}

// ISO 13616: letters are 10..35, the first four characters move to the end.
int mod97(const QString &iban)
{
    const QString moved = iban.mid(4) + iban.left(4);
    int r = 0;
    for (QChar c : moved) {
        const int v = c.isDigit() ? c.unicode() - u'0' : c.unicode() - u'A' + 10;
        r = (v >= 10 ? r * 100 + v : r * 10 + v) % 97;
    }
    return r;
}

QString digitsFrom(FuzzedDataProvider &in, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + in.ConsumeIntegralInRange<int>(0, 9));
    return s;
}

// Replaces one character with a different one of the same kind.
QString changeOne(const QString &s, FuzzedDataProvider &in, const QString &alphabet)
{
    QString out = s;
    const qsizetype at = in.ConsumeIntegralInRange<qsizetype>(0, s.size() - 1);
    const qsizetype step = in.ConsumeIntegralInRange<qsizetype>(1, alphabet.size() - 1);
    out[at] = alphabet[(alphabet.indexOf(s[at]) + step) % alphabet.size()];
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString digits = QStringLiteral("0123456789");
    const QString alnum = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");

    // VAT number: ten digits and their Luhn digit.
    QString vat = digitsFrom(in, 10);
    vat += QChar(u'0' + luhnDigit(vat));
    FUZZ_CHECK(IdentifierChecks::checkPartitaIva(vat).kind == CheckResult::Kind::Information);
    FUZZ_CHECK(IdentifierChecks::checkPartitaIva(changeOne(vat, in, digits)).kind ==
               CheckResult::Kind::Warning);

    // Card number of 13 to 19 digits (the check reads at most 20 characters).
    QString card = QChar(u'3' + in.ConsumeIntegralInRange<int>(0, 3)) +
                   digitsFrom(in, in.ConsumeIntegralInRange<int>(11, 17));
    card += QChar(u'0' + luhnDigit(card));
    FUZZ_CHECK(IdentifierChecks::cartaLuhnValue(card) == card[0].unicode() - u'0' - 2);
    FUZZ_CHECK(IdentifierChecks::checkCarta(card).kind == CheckResult::Kind::Information);
    FUZZ_CHECK(IdentifierChecks::cartaLuhnValue(changeOne(card, in, digits)) == 0);

    // Italian IBAN: IT, two check digits, 23 letters and digits.
    QString bban;
    for (int i = 0; i < 23; ++i)
        bban += alnum[in.ConsumeIntegralInRange<int>(0, 35)];
    const int check = 98 - mod97(QStringLiteral("IT00") + bban);
    const QString iban = QStringLiteral("IT%1").arg(check, 2, 10, QLatin1Char('0')) + bban;
    FUZZ_CHECK(mod97(iban) == 1);
    FUZZ_CHECK(IdentifierChecks::checkIban(iban).kind == CheckResult::Kind::Information);
    // A letter for a letter or a digit for a digit: always caught. (A letter for a digit changes the
    // length of the digit string and can add up by chance.)
    const qsizetype at = in.ConsumeIntegralInRange<qsizetype>(0, iban.size() - 1);
    const QString &kind = iban[at].isDigit() ? digits : QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QString wrongIban = iban;
    wrongIban[at] = kind[(kind.indexOf(iban[at]) + in.ConsumeIntegralInRange<qsizetype>(1, kind.size() - 1)) %
                         kind.size()];
    FUZZ_CHECK(IdentifierChecks::checkIban(wrongIban).kind == CheckResult::Kind::Warning);

    // Anything at all.
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QString text = utf16From(rest.data(), rest.size());
    for (const Identifier id : kIds) {
        const CheckResult r = IdentifierChecks::check(id, text);
        FUZZ_CHECK(!r.message.isEmpty());
        FUZZ_CHECK(!(r.needsCorrection && r.kind == CheckResult::Kind::Information));
        const QString edited = IdentifierChecks::editText(id, text);
        FUZZ_CHECK(IdentifierChecks::editText(id, edited) == edited);
        IdentifierChecks::check(id, edited);
    }
    const int m = IdentifierChecks::ibanModulo97(text);
    FUZZ_CHECK(m >= 0 && m < 97);
    IdentifierChecks::cartaLuhnValue(text);
    IdentifierChecks::officeName(text);
    IdentifierChecks::isCompanyTaxCode(text);
    return 0;
}
