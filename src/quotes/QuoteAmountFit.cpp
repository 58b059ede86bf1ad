#include "QuoteAmountFit.h"

#include "PreventiviRecord.h"
#include "core/TextField.h"

namespace QuoteAmountFit {
namespace {

const char *const kTotalNames[] = {"del totale imponibile", "del totale imposta", "del totale IVA inclusa",
                                   "del totale esente", "del totale preventivo"};

QString warning(const QString &what, const QString &text, int capacity, const QString &remedy)
{
    return QStringLiteral("Attenzione: l'importo %1 (%2) supera la capacit\u00E0 del campo e non pu\u00F2 "
                          "essere salvato.\n\r\n\rIl campo contiene al massimo %3 caratteri: %4")
        .arg(what, text, QString::number(capacity), remedy);
}

bool fits(const QString &text, int field)
{
    return TextField::trim(text).size() <= Preventivi::layout().capacity(field);
}

} // namespace

std::optional<Overflow> firstOverflow(const QuoteTotals::Figures &figures)
{
    using Preventivi::Column;
    for (int line = 1; line <= QuoteTotals::kLines; ++line) {
        const QString &text = figures.lines[size_t(line - 1)].importo;
        const int field = Preventivi::lineField(Column::Importo, line);
        if (fits(text, field))
            continue;
        const QString shown = TextField::trim(text);
        return Overflow{line, -1, shown,
                        warning(QStringLiteral("della riga %1").arg(line), shown,
                                Preventivi::layout().capacity(field),
                                QStringLiteral("ridurre la quantit\u00E0 o il prezzo della riga, oppure "
                                               "suddividerla su pi\u00F9 righe."))};
    }
    const QuoteTotals::Totals &t = figures.totals;
    const QString totals[] = {t.imponibile, t.imposta, t.iva, t.esente, t.fattura};
    const int fields[] = {Preventivi::txtTotImponibile, Preventivi::txtTotImposta, Preventivi::txtTotIva,
                          Preventivi::txtTotEsente, Preventivi::txtTotFattura};
    for (int i = 0; i < 5; ++i) {
        if (fits(totals[i], fields[i]))
            continue;
        const QString shown = TextField::trim(totals[i]);
        return Overflow{0, i, shown,
                        warning(QLatin1StringView(kTotalNames[i]), shown,
                                Preventivi::layout().capacity(fields[i]),
                                QStringLiteral("ridurre gli importi delle righe, oppure suddividere il "
                                               "preventivo in pi\u00F9 preventivi."))};
    }
    return std::nullopt;
}

} // namespace QuoteAmountFit
