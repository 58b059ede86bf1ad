#pragma once

#include <QString>

// The rules of the four identifier checks: Italian tax code, VAT number (with the office that
// issued it), payment card number and IBAN. Each check says which message the user gets, and
// whether the text could be judged at all or has to be corrected first.

enum class Identifier { CodFisc, PartitaIva, Carta, Iban };

struct CheckResult
{
    enum class Kind { Information, Warning };
    Kind kind = Kind::Warning;
    QString message;
    // The text was not judged (wrong length, nothing entered): the user corrects it and tries again.
    bool needsCorrection = false;
};

namespace IdentifierChecks {

// How the check window's edit takes its text: typed text never goes past maxLength, digitsOnly
// filters typed keys, capitalised means trimmed and in capitals after every change.
struct EditRules
{
    int maxLength;
    bool digitsOnly;
    bool capitalised;
};
EditRules editRules(Identifier id);

// What the edit makes of a text after a change: trimmed and in capitals where its rules say so.
// Never cut to the maximum length, so a longer value passed in is judged as it is.
QString editText(Identifier id, const QString &text);

CheckResult check(Identifier id, const QString &text);
CheckResult checkCodFisc(const QString &text);
CheckResult checkPartitaIva(const QString &text);
CheckResult checkCarta(const QString &text);
CheckResult checkIban(const QString &text);

// A tax code field holding digits only is a company's, equal to its VAT number: its button opens
// the VAT number check instead (an empty field opens the tax code check).
bool isCompanyTaxCode(const QString &trimmedField);

// The town of the VAT office with this three-digit code, or an empty text.
QString officeName(QStringView code);

// The Luhn value of a card number: 0 when not valid, otherwise its first digit minus 2 (so 1 to 4
// for 3 to 6, and values outside 0..4 for 0, 1, 7, 8, 9). Only the first 20 characters count.
int cartaLuhnValue(QStringView text);

// The ISO 13616 remainder of an IBAN's rearranged digits, reduced nine digits at a time; 0 when a
// character other than a letter or digit is present.
int ibanModulo97(QStringView text);

} // namespace IdentifierChecks
