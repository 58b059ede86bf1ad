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
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), txtNote}};
    // The prefix stays outside the 25 characters, as in the pending quotes' list: inside them,
    // any number of two digits or more would cut the year of the date.
    k.search.line = {LinePiece::text(QStringLiteral("Prev. n. ")),
                     LinePiece::group({{txtNumFatt}, {-1, QStringLiteral(" del ")}, {txtData}}, 25),
                     LinePiece::text(QStringLiteral("  ")),
                     LinePiece::field(txtCliente, 35),
                     LinePiece::text(QStringLiteral("  P.I. ")),
                     LinePiece::field(txtIvaCliente, 11),
                     LinePiece::text(QStringLiteral("  Rif. ")),
                     LinePiece::field(txtRiferimenti, 35),
                     LinePiece::text(QStringLiteral("  Tot. \u20AC ")),
                     LinePiece::field(txtTotFattura)};

    // Spreadsheet export.
    {
        using namespace ExportMembers;
        constexpr auto R = SpreadsheetWriter::Align::Right;
        constexpr bool E = true;
        constexpr auto L = SpreadsheetWriter::Align::Left;
        k.exports = {QStringLiteral("TfrmExpPreventivi"),
                     QStringLiteral(" Esporta archivio preventivi in Microsoft Excel"),
                     QStringLiteral("Preventivi.xls"),
                     QStringLiteral("Riepilogo annuale preventivi"),
                     HelpPage::EsportaPreventivi,
                     k.layout,
                     {column("Preventivo n.", 160, {txtNumFatt}),
                      column("Data emissione", 120, {txtData}),
                      column("Ditta emittente", 250, {txtDitta}),
                      column("Città", 250, {txtCittaDitta}),
                      column("Partita IVA", 150, {txtIvaDitta}),
                      column("Codice fiscale", 150, {txtCodFiscDitta}),
                      column("Cognome e nome Cliente", 250, {txtCliente}, false, L,
                             "Cognome e nome o ragione sociale Cliente"),
                      column("Via e numero civico", 250, {txtViaCliente}),
                      column("CAP", 70, {txtCapCliente}),
                      column("Città", 250, {txtCittaCliente}),
                      column("Prov.", 50, {txtProvCliente}),
                      column("Partita IVA Cliente", 150, {txtIvaCliente}),
                      column("Codice fiscale Cliente", 150, {txtCodFiscCliente}),
                      column("Riferimenti", 250, {txtRiferimenti}),
                      column("Pagamento", 250, {txtPagamento}),
                      column("Banca d'appoggio", 250, {txtBanca}),
                      column("IBAN", 250, {txtIban}),
                      column("Totale imponibile", 150, {txtTotImponibile}, false, R),
                      column("% IVA", 100, {txtPercIva}, false, R),
                      column("Totale imposta", 150, {txtTotImposta}, E, R),
                      column("Totale IVA inclusa", 150, {txtTotIva}, E, R),
                      column("Totale esente", 150, {txtTotEsente}, E, R),
                      column("TOTALE PREVENTIVO", 150, {txtTotFattura}, E, R),
                      column("Note", 350, {txtNote}, E),
                      column("In sospeso", 100, {chkSaldata}, E)}};
    }

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
