#include "QuoteTotals.h"

#include "PreventiviRecord.h"
#include "core/Numbers.h"
#include "core/Record.h"
#include "core/TextField.h"

#include <cmath>
#include <optional>

namespace QuoteTotals {
namespace {

bool isBlank(const QString &text)
{
    return TextField::trim(text).isEmpty();
}

// A value shown on the window and read back: the text keeps 15 significant digits, so the
// double that comes back is the shown value, not the exact one that produced it.
double throughText(double value)
{
    return static_cast<double>(*Numbers::parse(Numbers::numericForm(value)));
}

QString amountText(double value, int decimals)
{
    return Numbers::normalizeAmount(Numbers::numericForm(Numbers::arrotonda(value, decimals)));
}

// A parsed text held as a double; nullopt when it does not parse or leaves the double range.
std::optional<double> parseDouble(const QString &text)
{
    const std::optional<long double> v = Numbers::parse(text);
    if (!v)
        return std::nullopt;
    const double d = static_cast<double>(*v);
    if (!std::isfinite(d))
        return std::nullopt;
    return d;
}

// The amount of one line, or nullopt when one of its texts does not parse. The products and
// quotients run in extended precision; gross, discount and net are each held as a double.
std::optional<double> lineAmount(const Line &line)
{
    double discount = 0;
    if (!isBlank(line.percSconto)) {
        const std::optional<double> d = parseDouble(line.percSconto);
        if (!d)
            return std::nullopt;
        discount = *d;
    }
    const std::optional<long double> price = Numbers::parse(line.prezzo);
    const std::optional<long double> quantity = Numbers::parse(line.quant);
    if (!price || !quantity)
        return std::nullopt;
    const double gross = static_cast<double>(*price * *quantity);
    const double discountAmount = static_cast<double>(static_cast<long double>(gross) * discount / 100.0L);
    const double net = static_cast<double>(static_cast<long double>(gross) - discountAmount);
    if (!std::isfinite(net))
        return std::nullopt;
    return net;
}

double addHeld(double sum, double amount)
{
    return static_cast<double>(static_cast<long double>(sum) + amount);
}

Outcome failed(Outcome outcome)
{
    const QString zero = QStringLiteral("0,00");
    outcome.figures.totals = {zero, zero, zero, zero, zero};
    outcome.completed = false;
    return outcome;
}

} // namespace

Outcome calcola(const Figures &shown)
{
    Outcome outcome{shown, false};
    Figures &f = outcome.figures;

    for (Line &line : f.lines) {
        if (isBlank(line.quant) && isBlank(line.prezzo))
            continue;
        if (isBlank(line.quant))
            line.quant = QStringLiteral("1");
        if (isBlank(line.prezzo))
            line.prezzo = QStringLiteral("0,00");
        const std::optional<double> net = lineAmount(line);
        if (!net)
            return failed(outcome);
        line.importo = amountText(throughText(*net), 4);
    }

    // Every amount counts, a skipped line's included: the sums follow what the window shows.
    double taxable = 0;
    double exempt = 0;
    for (const Line &line : f.lines) {
        double amount = 0;
        if (!isBlank(line.importo)) {
            const std::optional<double> a = parseDouble(line.importo);
            if (!a)
                return failed(outcome);
            amount = *a;
        }
        if (line.esente)
            exempt = addHeld(exempt, amount);
        else
            taxable = addHeld(taxable, amount);
    }
    if (!std::isfinite(taxable) || !std::isfinite(exempt))
        return failed(outcome);
    f.totals.imponibile = amountText(throughText(taxable), 2);

    if (isBlank(f.percIva))
        f.percIva = QStringLiteral("0");
    const std::optional<long double> rate = Numbers::parse(f.percIva);
    if (!rate)
        return failed(outcome);

    // The VAT comes from the unrounded taxable sum, not from the total shown above it.
    const double vat = static_cast<double>(*rate * taxable / 100.0L);
    const double withVat = addHeld(taxable, vat);
    const double grand = addHeld(withVat, exempt);
    if (!std::isfinite(vat) || !std::isfinite(withVat) || !std::isfinite(grand))
        return failed(outcome);
    f.totals.imposta = amountText(vat, 2);
    f.totals.iva = amountText(withVat, 2);
    f.totals.esente = amountText(throughText(exempt), 2);
    f.totals.fattura = amountText(grand, 2);
    outcome.completed = true;
    return outcome;
}

Figures fromRecord(const Record &record)
{
    using Preventivi::Column;
    Figures f;
    for (int i = 0; i < kLines; ++i) {
        const int n = i + 1;
        Line &line = f.lines[size_t(i)];
        line.quant = record.text(Preventivi::lineField(Column::Quant, n));
        line.prezzo = record.text(Preventivi::lineField(Column::Prezzo, n));
        line.percSconto = record.text(Preventivi::lineField(Column::PercSconto, n));
        line.importo = record.text(Preventivi::lineField(Column::Importo, n));
        line.esente = Record::flagState(record.text(Preventivi::lineField(Column::Es, n))) == 1;
    }
    f.percIva = record.text(Preventivi::txtPercIva);
    f.totals.imponibile = record.text(Preventivi::txtTotImponibile);
    f.totals.imposta = record.text(Preventivi::txtTotImposta);
    f.totals.iva = record.text(Preventivi::txtTotIva);
    f.totals.esente = record.text(Preventivi::txtTotEsente);
    f.totals.fattura = record.text(Preventivi::txtTotFattura);
    return f;
}

} // namespace QuoteTotals
