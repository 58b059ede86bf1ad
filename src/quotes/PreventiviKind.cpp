// The description of the yearly files: see services/ArchiveKind.h.
#include "PreventiviRecord.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"

using namespace Preventivi;

namespace {

ArchiveKind make()
{
    ArchiveKind k{ArchiveKindId::Quotes,
                  QStringLiteral("quotes"),
                  QStringLiteral("preventivi"),
                  &Preventivi::layout(),
                  QString(),
                  QLatin1StringView(Preventivi::fileSuffix()),
                  QStringLiteral(" Quadrivo - Emissione preventivi"),
                  HelpPage::Preventivi,
                  {},
                  {},
                  {},
                  {}};

    // Search window.
    k.search.window = QStringLiteral("TfrmTrovaPreventivi");
    k.search.caption = QStringLiteral(" Trova preventivi in archivio");
    k.search.countPrefix = QStringLiteral("Il presente elenco contiene ");
    k.search.printTitle = QStringLiteral("Riepilogo preventivi emessi");
    k.search.criteria = {
        {QStringLiteral("Preventivo n."), QStringLiteral("txtNumFatt"), txtNumFatt},
        {QStringLiteral("Data emissione (gg/mm/aaaa):"), QStringLiteral("txtData"), txtData},
        {QStringLiteral("Cliente:"), QStringLiteral("txtCliente"), txtCliente},
        {QStringLiteral("Via e numero civico:"), QStringLiteral("txtViaCliente"), txtViaCliente},
        {QStringLiteral("Citt\u00E0:"), QStringLiteral("txtCittaCliente"), txtCittaCliente},
        {QStringLiteral("Pagamento:"), QStringLiteral("txtPagamento"), txtPagamento},
        {QStringLiteral("Partita IVA:"), QStringLiteral("txtIvaCliente"), txtIvaCliente},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFiscCliente"), txtCodFiscCliente},
        {QStringLiteral("Riferimenti:"), QStringLiteral("txtRiferimenti"), txtRiferimenti},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), txtNote}
    };
    k.search.line = {LinePiece::group({{-1, QStringLiteral("Prev. n. ")},
                                       {txtNumFatt},
                                       {-1, QStringLiteral(" del ")},
                                       {txtData}},
                                      25),
                     LinePiece::text(QStringLiteral("  ")), LinePiece::field(txtCliente, 35),
                     LinePiece::text(QStringLiteral("  P.I. ")), LinePiece::field(txtIvaCliente, 11),
                     LinePiece::text(QStringLiteral("  Rif. ")), LinePiece::field(txtRiferimenti, 35),
                     LinePiece::text(QStringLiteral("  Tot. \u20AC ")), LinePiece::field(txtTotFattura)};

    // Spreadsheet export.

    // Card print.

    // Summary lists.
    // Pending quotes keep the order in which they were saved.
    k.lists.push_back({QStringLiteral("pending-quotes"),
                        QStringLiteral("TfrmSospesi"),
                        QStringLiteral("cmdSospese"),
                        QStringLiteral(" Riepilogo preventivi in sospeso"),
                        QStringLiteral("Riepilogo preventivi in sospeso"),
                        SummaryLists::flagIs(chkSaldata, QStringLiteral("S\u00EC")),
                        {LinePiece::text(QStringLiteral("Prev. n. ")),
                         LinePiece::group({{txtNumFatt}, {-1, QStringLiteral(" del ")}, {txtData}}, 25),
                         LinePiece::text(QStringLiteral("  ")), LinePiece::field(txtCliente, 35),
                         LinePiece::text(QStringLiteral("  P.I. ")), LinePiece::field(txtIvaCliente, 11),
                         LinePiece::text(QStringLiteral("  Rif. ")), LinePiece::field(txtRiferimenti, 35),
                         LinePiece::text(QStringLiteral("  Tot. \u20AC ")), LinePiece::field(txtTotFattura)},
                        false});

    return k;
}

} // namespace

const ArchiveKind &quotesKind()
{
    static const ArchiveKind kind = make();
    return kind;
}
