#include "ItemFigures.h"

#include "core/Numbers.h"
#include "core/TextField.h"

#include <cmath>
#include <optional>

namespace ItemFigures {
namespace {

const QString kZeroAmount = QStringLiteral("0,00");
const QString kZero = QStringLiteral("0");

bool isBlank(const QString &text)
{
    return TextField::trim(text).isEmpty();
}

void defaultIfBlank(QString &text, const QString &fallback)
{
    if (isBlank(text))
        text = fallback;
}

// The card's arithmetic runs in double precision; nullopt for text that does not parse or
// leaves the double range.
std::optional<double> parseDouble(const QString &text)
{
    const std::optional<long double> v = Numbers::parse(text);
    if (!v || !std::isfinite(static_cast<double>(*v)))
        return std::nullopt;
    return static_cast<double>(*v);
}

// A result is first written in its shortest form and read back before it is rounded.
double throughText(double value)
{
    return static_cast<double>(*Numbers::parse(Numbers::numericForm(value)));
}

QString amountText(double value, int decimals)
{
    return Numbers::normalizeAmount(Numbers::numericForm(Numbers::arrotonda(value, decimals)));
}

// Only the texts that cannot be read are reset: a readable price or rate stays as typed.
void resetUnreadable(QString &text, const std::optional<double> &value, const QString &fallback)
{
    if (!value)
        text = fallback;
}

} // namespace

QString missingCodeWarning()
{
    return QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il codice articolo.");
}

QString calcolaWarning()
{
    return QStringLiteral("Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo e "
                          "l'aliquota IVA prima di premere il pulsante Calcola.");
}

QString scorporaWarning()
{
    return QStringLiteral("Attenzione: valori non validi.\r\n\r\nInserire correttamente il prezzo IVA "
                          "inclusa e l'aliquota IVA prima di premere il pulsante Scorpora.");
}

QString leaveInteger(const QString &text)
{
    const std::optional<double> value = parseDouble(text);
    if (!value)
        return kZero;
    return Numbers::numericForm(Numbers::arrotonda(*value, 0));
}

QString leaveAmount(const QString &text)
{
    const std::optional<double> value = parseDouble(text);
    if (!value)
        return kZeroAmount;
    return Numbers::normalizeAmount(Numbers::numericForm(Numbers::arrotonda(*value, 4)));
}

PricesOutcome calcola(const Prices &shown)
{
    PricesOutcome out{shown, {}};
    Prices &p = out.prices;
    defaultIfBlank(p.prezzo, kZeroAmount);
    defaultIfBlank(p.percIva, kZero);
    defaultIfBlank(p.prezzoConIva, kZeroAmount);
    const std::optional<double> price = parseDouble(p.prezzo);
    const std::optional<double> rate = parseDouble(p.percIva);
    const std::optional<double> current = parseDouble(p.prezzoConIva);
    if (price && rate && current) {
        const double vat = *price * *rate / 100;
        const double gross = *price + vat;
        if (std::isfinite(gross)) {
            p.prezzoConIva = amountText(throughText(gross), 2);
            return out;
        }
    }
    resetUnreadable(p.prezzo, price, kZeroAmount);
    resetUnreadable(p.percIva, rate, kZero);
    resetUnreadable(p.prezzoConIva, current, kZeroAmount);
    out.warning = calcolaWarning();
    return out;
}

PricesOutcome scorpora(const Prices &shown)
{
    PricesOutcome out{shown, {}};
    Prices &p = out.prices;
    defaultIfBlank(p.percIva, kZero);
    defaultIfBlank(p.prezzoConIva, kZeroAmount);
    const std::optional<double> rate = parseDouble(p.percIva);
    const std::optional<double> gross = parseDouble(p.prezzoConIva);
    if (rate && gross) {
        // A rate of -100 (only from a damaged card) would divide by zero.
        const double net = *gross * 100 / (*rate + 100);
        if (std::isfinite(net)) {
            p.percIva = Numbers::numericForm(*rate);
            p.prezzo = amountText(throughText(net), 2);
            return out;
        }
    }
    resetUnreadable(p.percIva, rate, kZero);
    resetUnreadable(p.prezzoConIva, gross, kZeroAmount);
    out.warning = scorporaWarning();
    return out;
}

StockValue calcolaValore(const StockValue &shown)
{
    StockValue v = shown;
    defaultIfBlank(v.costo, kZeroAmount);
    defaultIfBlank(v.giacenza, kZero);
    defaultIfBlank(v.valore, kZeroAmount);
    const std::optional<double> cost = parseDouble(v.costo);
    const std::optional<double> stock = parseDouble(v.giacenza);
    if (cost && stock) {
        const double value = *cost * *stock;
        if (std::isfinite(value)) {
            v.valore = amountText(throughText(value), 2);
            return v;
        }
    }
    resetUnreadable(v.costo, cost, kZeroAmount);
    resetUnreadable(v.giacenza, stock, kZero);
    v.valore = kZeroAmount;
    return v;
}

SaveOutcome prepareSave(const Card &shown)
{
    SaveOutcome out{shown, SaveVerdict::Write, {}, {}};
    Card &c = out.card;
    if (isBlank(c.codice)) {
        out.verdict = SaveVerdict::MissingCode;
        out.warning = missingCodeWarning();
        out.focus = QStringLiteral("txtCodice");
        return out;
    }
    defaultIfBlank(c.giacenza, kZero);
    defaultIfBlank(c.sottoscorta, kZero);
    defaultIfBlank(c.percIva, kZero);
    defaultIfBlank(c.costo, kZeroAmount);
    defaultIfBlank(c.valore, kZeroAmount);
    defaultIfBlank(c.prezzo, kZeroAmount);
    defaultIfBlank(c.prezzoConIva, kZeroAmount);

    for (QString *whole : {&c.giacenza, &c.sottoscorta}) {
        const std::optional<double> value = parseDouble(*whole);
        if (!value) {
            out.verdict = SaveVerdict::AccessFailure;
            return out;
        }
        *whole = Numbers::numericForm(Numbers::arrotonda(*value, 0));
    }

    // A failed "Calcola" stops the save: its warning must not be followed by a stored card and
    // the message that it was stored.
    const PricesOutcome prices = calcola({c.prezzo, c.percIva, c.prezzoConIva});
    c.prezzo = prices.prices.prezzo;
    c.percIva = prices.prices.percIva;
    c.prezzoConIva = prices.prices.prezzoConIva;
    if (!prices.warning.isEmpty()) {
        out.verdict = SaveVerdict::InvalidPrices;
        out.warning = prices.warning;
        out.focus = QStringLiteral("txtPrezzo_con_Iva");
        return out;
    }

    const StockValue value = calcolaValore({c.costo, c.giacenza, c.valore});
    c.costo = value.costo;
    c.giacenza = value.giacenza;
    c.valore = value.valore;
    return out;
}

} // namespace ItemFigures
