#include "StockAdjustment.h"

#include "ItemFigures.h"
#include "core/Numbers.h"
#include "core/TextField.h"

#include <cmath>
#include <optional>

namespace StockAdjustment {
namespace {

const QString kZero = QStringLiteral("0");

std::optional<double> parseDouble(const QString &text)
{
    const std::optional<long double> v = Numbers::parse(text);
    if (!v || !std::isfinite(static_cast<double>(*v)))
        return std::nullopt;
    return static_cast<double>(*v);
}

} // namespace

QString quantityLabel(Direction direction)
{
    return direction == Direction::Add ? QStringLiteral("Quantit\u00E0 da aggiungere:")
                                       : QStringLiteral("Quantit\u00E0 da sottrarre:");
}

Opening opening(const QString &cardStock)
{
    QString stock = TextField::trim(cardStock);
    if (stock.isEmpty())
        stock = kZero;
    return {stock, {stock, kZero, stock}};
}

QString leave(const QString &text)
{
    return ItemFigures::leaveInteger(text);
}

Texts calcolaTotale(Direction direction, const Texts &shown)
{
    Texts t = shown;
    for (QString *edit : {&t.giacenza, &t.aggiunta, &t.totale}) {
        if (TextField::trim(*edit).isEmpty())
            *edit = kZero;
    }
    const std::optional<double> stock = parseDouble(t.giacenza);
    const std::optional<double> quantity = parseDouble(t.aggiunta);
    if (!stock || !quantity)
        return {kZero, kZero, kZero};
    const double total = direction == Direction::Add ? *stock + *quantity : *stock - *quantity;
    t.totale = Numbers::numericForm(total);
    return t;
}

QString apply(Direction direction, const Texts &shown)
{
    return TextField::trim(calcolaTotale(direction, shown).totale);
}

} // namespace StockAdjustment
