#include "IdentifierChecks.h"

#include <QList>
#include <array>
#include <iterator>

namespace {

const QString kCrLfCrLf = QStringLiteral("\r\n\r\n");

// Only the ASCII letters and digits count: the codes are written in them, and anything else
// (accented letters, other scripts' digits) makes a code malformed.
bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool isCapital(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool allDigits(QStringView text)
{
    for (QChar c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

// Capitals one character at a time, so the text keeps its length ("ß" stays, never becomes "SS").
QString capitals(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = c.toUpper();
    return result;
}

CheckResult information(const QString &message)
{
    return {CheckResult::Kind::Information, message, false};
}
CheckResult warning(const QString &message)
{
    return {CheckResult::Kind::Warning, message, false};
}
CheckResult correction(const QString &message)
{
    return {CheckResult::Kind::Warning, message, true};
}

// --- Tax code -------------------------------------------------------------------------------

// Values of the characters in odd positions, A to Z; the digits 0 to 9 count as A to J.
constexpr std::array<int, 26> kOddValues = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                            20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};

int oddValue(QChar c)
{
    return kOddValues[isDigit(c) ? c.unicode() - u'0' : c.unicode() - u'A'];
}
int evenValue(QChar c)
{
    return isDigit(c) ? c.unicode() - u'0' : c.unicode() - u'A';
}

// --- VAT number -----------------------------------------------------------------------------

struct Office
{
    const char16_t *code;
    const char16_t *name;
};

// The VAT offices by the code in digits 8 to 10 of the numbers they issued; 120 and 121 repeat the
// towns of 101 and 102.
// clang-format off
constexpr Office kOffices[] = {
    {u"001", u"Torino"},          {u"002", u"Vercelli"},          {u"003", u"Novara"},
    {u"004", u"Cuneo"},           {u"005", u"Asti"},              {u"006", u"Alessandria"},
    {u"007", u"Aosta"},           {u"008", u"Imperia"},           {u"009", u"Savona"},
    {u"010", u"Genova 1"},        {u"011", u"La Spezia"},         {u"012", u"Varese"},
    {u"013", u"Como"},            {u"014", u"Sondrio"},           {u"015", u"Milano 1"},
    {u"016", u"Bergamo"},         {u"017", u"Brescia 1"},         {u"018", u"Pavia"},
    {u"019", u"Cremona"},         {u"020", u"Mantova"},           {u"021", u"Bolzano"},
    {u"022", u"Trento"},          {u"023", u"Verona"},            {u"024", u"Vicenza"},
    {u"025", u"Belluno"},         {u"026", u"Treviso"},           {u"027", u"Venezia"},
    {u"028", u"Padova"},          {u"029", u"Rovigo"},            {u"030", u"Udine"},
    {u"031", u"Gorizia"},         {u"032", u"Trieste"},           {u"033", u"Piacenza"},
    {u"034", u"Parma"},           {u"035", u"Reggio Emilia"},     {u"036", u"Modena"},
    {u"037", u"Bologna 1"},       {u"038", u"Ferrara"},           {u"039", u"Ravenna"},
    {u"040", u"Forlì"},           {u"041", u"Pesaro"},            {u"042", u"Ancona"},
    {u"043", u"Macerata"},        {u"044", u"Ascoli Piceno"},     {u"045", u"Massa Carrara"},
    {u"046", u"Lucca"},           {u"047", u"Pistoia"},           {u"048", u"Firenze 1"},
    {u"049", u"Livorno"},         {u"050", u"Pisa"},              {u"051", u"Arezzo"},
    {u"052", u"Siena"},           {u"053", u"Grosseto"},          {u"054", u"Perugia"},
    {u"055", u"Terni"},           {u"056", u"Viterbo"},           {u"057", u"Rieti"},
    {u"058", u"Roma 1"},          {u"059", u"Latina"},            {u"060", u"Frosinone"},
    {u"061", u"Caserta"},         {u"062", u"Benevento"},         {u"063", u"Napoli 1"},
    {u"064", u"Avellino"},        {u"065", u"Salerno"},           {u"066", u"Aquila"},
    {u"067", u"Teramo"},          {u"068", u"Pescara"},           {u"069", u"Chieti"},
    {u"070", u"Campobasso"},      {u"071", u"Foggia"},            {u"072", u"Bari"},
    {u"073", u"Taranto"},         {u"074", u"Brindisi"},          {u"075", u"Lecce"},
    {u"076", u"Potenza"},         {u"077", u"Matera"},            {u"078", u"Cosenza"},
    {u"079", u"Catanzaro"},       {u"080", u"Reggio Calabria"},   {u"081", u"Trapani"},
    {u"082", u"Palermo"},         {u"083", u"Messina"},           {u"084", u"Agrigento"},
    {u"085", u"Caltanissetta"},   {u"086", u"Enna"},              {u"087", u"Catania"},
    {u"088", u"Ragusa"},          {u"089", u"Siracusa"},          {u"090", u"Sassari"},
    {u"091", u"Nuoro"},           {u"092", u"Cagliari"},          {u"093", u"Pordenone"},
    {u"094", u"Isernia"},         {u"095", u"Oristano"},          {u"096", u"Monza (Milano 2)"},
    {u"097", u"Prato (Firenze 2)"}, {u"098", u"Brescia 2"},     {u"099", u"Chiavari (Genova 2)"},
    {u"100", u"Roma 2"},          {u"101", u"Bologna 2"},         {u"102", u"Napoli 2"},
    {u"120", u"Bologna 2"},       {u"121", u"Napoli 2"},
};
// clang-format on
static_assert(std::size(kOffices) == 104);

// Luhn-style: odd positions add the digit, even positions the digit sum of the double.
int partitaIvaCheckDigit(QStringView digits)
{
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        const int d = digits[i].unicode() - u'0';
        sum += (i % 2 == 0) ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    return (10 - sum % 10) % 10;
}

// --- Payment card ---------------------------------------------------------------------------

// The type of a card whose first digit is 3, by the first two characters of the text.
QString type3(QStringView firstTwo)
{
    if (firstTwo == u"30" || firstTwo == u"36" || firstTwo == u"38")
        return QStringLiteral("Diner's Club / Carte Blanche");
    if (firstTwo == u"34" || firstTwo == u"37")
        return QStringLiteral("American Express");
    if (firstTwo == u"31" || firstTwo == u"33" || firstTwo == u"35")
        return QStringLiteral("JCB");
    return {};
}

} // namespace

namespace IdentifierChecks {

EditRules editRules(Identifier id)
{
    switch (id) {
    case Identifier::CodFisc:
        return {16, false, true};
    case Identifier::PartitaIva:
        return {11, true, false};
    case Identifier::Carta:
        return {30, true, true};
    case Identifier::Iban:
        return {27, false, true};
    }
    return {0, false, false};
}

QString editText(Identifier id, const QString &text)
{
    return editRules(id).capitalised ? capitals(text.trimmed()) : text;
}

CheckResult check(Identifier id, const QString &text)
{
    switch (id) {
    case Identifier::CodFisc:
        return checkCodFisc(text);
    case Identifier::PartitaIva:
        return checkPartitaIva(text);
    case Identifier::Carta:
        return checkCarta(text);
    case Identifier::Iban:
        return checkIban(text);
    }
    return {};
}

CheckResult checkCodFisc(const QString &text)
{
    const QString code = capitals(text);
    bool wellFormed = code.size() == 16;
    for (QChar c : code)
        wellFormed = wellFormed && (isDigit(c) || isCapital(c));
    if (!wellFormed)
        return correction(QStringLiteral(
            "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."));

    int sum = 0;
    for (int i = 0; i < 15; ++i)
        sum += (i % 2 == 0) ? oddValue(code[i]) : evenValue(code[i]);
    if (QChar(u'A' + sum % 26) == code[15])
        return information(QStringLiteral("Il codice fiscale digitato è VALIDO."));
    return warning(QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
}

CheckResult checkPartitaIva(const QString &text)
{
    if (text.size() != 11)
        return correction(
            QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
    if (!allDigits(text) || partitaIvaCheckDigit(text) != text[10].unicode() - u'0')
        return warning(QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!") +
                       kCrLfCrLf +
                       QStringLiteral("Non è quindi possibile fornire informazioni relative all'Ufficio "
                                      "IVA che lo ha rilasciato."));
    return information(QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.") + kCrLfCrLf +
                       QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") +
                       officeName(QStringView(text).mid(7, 3)) + u'.');
}

CheckResult checkCarta(const QString &text)
{
    const QString number = text.trimmed();
    if (number.isEmpty())
        return correction(QStringLiteral("Attenzione: immettere il numero di carta di credito prima di "
                                         "premere il pulsante di controllo."));

    QString type;
    bool typeKnown = true;
    switch (cartaLuhnValue(number)) {
    case 1:
        type = type3(QStringView(number).left(2));
        typeKnown = !type.isEmpty();
        break;
    case 2:
        type = QStringLiteral("Visa");
        break;
    case 3:
        type = QStringLiteral("MasterCard");
        break;
    case 4:
        type = QStringLiteral("Discover");
        break;
    default:
        return warning(QStringLiteral("Attenzione: il numero digitato risulta ERRATO!") + kCrLfCrLf +
                       QStringLiteral("Non è quindi possibile fornire informazioni relative al tipo di "
                                      "carta di credito."));
    }
    // A valid number beginning 32 or 39 (or with a blank after its first 3) names no type: say it is
    // valid all the same rather than close without a word.
    const QString second = typeKnown ? QStringLiteral("La carta di credito è del tipo ") + type + u'.'
                                     : QStringLiteral("Il tipo di carta di credito non è riconosciuto.");
    return information(QStringLiteral("Il numero di carta di credito ") + number +
                       QStringLiteral(" risulta valido.") + kCrLfCrLf + second);
}

CheckResult checkIban(const QString &text)
{
    if (text.trimmed().size() != 27)
        return correction(
            QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
    if (ibanModulo97(text.trimmed()) == 1)
        return information(QStringLiteral("L'IBAN digitato è VALIDO."));
    return warning(QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}

bool isCompanyTaxCode(const QString &trimmedField)
{
    return !trimmedField.isEmpty() && allDigits(trimmedField);
}

QString officeName(QStringView code)
{
    for (const Office &office : kOffices) {
        if (code == QStringView(office.code))
            return QString::fromUtf16(office.name);
    }
    return {};
}

int cartaLuhnValue(QStringView text)
{
    QList<int> digits;
    for (QChar c : text.left(20)) {
        if (isDigit(c))
            digits.append(c.unicode() - u'0');
    }
    if (digits.isEmpty())
        return 0;

    int sum = 0;
    bool doubled = true; // the digit just before the check digit is doubled
    for (qsizetype i = digits.size() - 2; i >= 0; --i) {
        int value = digits[i];
        if (doubled) {
            value *= 2;
            if (value > 9)
                value -= 9;
        }
        sum += value;
        doubled = !doubled;
    }
    if ((10 - sum % 10) % 10 != digits.last())
        return 0;
    return digits.first() - 2;
}

int ibanModulo97(QStringView text)
{
    QString iban = capitals(text.toString().remove(u' '));
    // The "IBAN" label a user may paste in front goes; the same four letters inside an account
    // number are part of it (removing them there made a valid IBAN read as wrong).
    if (iban.startsWith(QLatin1StringView("IBAN")))
        iban.remove(0, 4);
    iban = iban.mid(4) + iban.left(4);

    QString digits;
    for (QChar c : iban) {
        if (isDigit(c))
            digits.append(c);
        else if (isCapital(c))
            digits.append(QString::number(c.unicode() - u'A' + 10));
        else
            return 0;
    }
    if (digits.isEmpty())
        return 0;

    // Nine digits at a time, so every piece fits in an int.
    qsizetype next = qMin<qsizetype>(9, digits.size());
    int remainder = QStringView(digits).left(next).toInt() % 97;
    while (next < digits.size()) {
        const QString head = QString::number(remainder);
        const qsizetype take = 9 - head.size();
        remainder = (head + digits.mid(next, take)).toInt() % 97;
        next += take;
    }
    return remainder;
}

} // namespace IdentifierChecks
