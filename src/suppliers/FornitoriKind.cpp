// The description of QLatin1StringView(Fornitori::fileName()): see services/ArchiveKind.h.
#include "FornitoriRecord.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"

using namespace Fornitori;

namespace {

ArchiveKind make()
{
    ArchiveKind k{ArchiveKindId::Suppliers,
                  QStringLiteral("suppliers"),
                  QStringLiteral("fornitori"),
                  &Fornitori::layout(),
                  QLatin1StringView(Fornitori::fileName()),
                  QString(),
                  QStringLiteral(" Quadrivo - Anagrafica Fornitori"),
                  HelpPage::Fornitori,
                  {},
                  {},
                  {},
                  {}};

    // Search window.
    k.search.window = QStringLiteral("TfrmTrovaFornitori");
    k.search.caption = QStringLiteral(" Trova fornitori in archivio");
    k.search.countPrefix = QStringLiteral("Il presente riepilogo contiene ");
    k.search.printTitle = QStringLiteral("Riepilogo fornitori");
    k.search.criteria = {
        {QStringLiteral("Denominazione Ditta:"), QStringLiteral("txtDitta"), Ditta},
        {QStringLiteral("Titolare o responsabile:"), QStringLiteral("txtTitolare"), Titolare},
        {QStringLiteral("Partita IVA:"), QStringLiteral("txtPartitaIva"), PartitaIva},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc"), CodFisc},
        {QStringLiteral("Via / Piazza e numero civico:"), QStringLiteral("txtIndirizzoRes"), IndirizzoRes},
        {QStringLiteral("Citt\u00E0:"), QStringLiteral("txtComuneRes"), ComuneRes},
        {QStringLiteral("Articoli forniti:"), QStringLiteral("txtArticoli"), Articoli},
        {QStringLiteral("Offerte e sconti:"), QStringLiteral("txtOfferte"), Offerte},
        {QStringLiteral("Questioni in sospeso:"), QStringLiteral("txtQuestioni"), Questioni},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}};
    k.search.line = {LinePiece::field(Ditta, 30),    LinePiece::text(QStringLiteral("  ")),
                     LinePiece::field(Titolare, 30), LinePiece::text(QStringLiteral("  Tel. ")),
                     LinePiece::field(Recapito, 20), LinePiece::text(QStringLiteral("  ")),
                     LinePiece::field(Note)};

    // Spreadsheet export.
    {
        using namespace ExportMembers;
        constexpr bool E = true;
        k.exports = {QStringLiteral("TfrmExpFornitori"),
                     QStringLiteral(" Esporta archivio fornitori in Microsoft Excel"),
                     QStringLiteral("Fornitori.xls"),
                     QStringLiteral("Riepilogo Fornitori"),
                     HelpPage::EsportaFornitori,
                     k.layout,
                     {column("Denominazione Ditta", 250, {Ditta}),
                      column("Titolare o responsabile", 250, {Titolare}),
                      column("Telefono preferenziale", 250, {Recapito}),
                      column("Indirizzo", 300, {IndirizzoRes}),
                      column("Città", 250, {ComuneRes, ProvRes}, E),
                      column("CAP", 150, {CapRes}, E),
                      column("Modalità di pagamento", 250, {Pagamento}),
                      column("Tel. casa", 250, {TelCasa}),
                      column("Tel. ufficio", 250, {TelUff}),
                      column("Tel. cellulare", 250, {TelCel}),
                      column("Fax", 250, {Fax}),
                      column("E-mail", 250, {Email}),
                      column("Codice fiscale", 250, {CodFisc}),
                      column("Partita IVA", 250, {PartitaIva}, E),
                      column("Carta di credito n.", 300, {Carta}),
                      column("Scadenza", 150, {ScadeCarta}, E),
                      column("IBAN", 300, {Iban}, E),
                      column("Articoli forniti", 300, {Articoli}, E),
                      column("Offerte e sconti", 300, {Offerte}, E),
                      column("Modalità di ordine merce", 300, {Ordine}),
                      column("Questioni in sospeso", 300, {Questioni}, E),
                      column("Note", 300, {Note}, E)}};
    }

    // Card print.
    {
        using namespace CardPrint;
        k.cardPrint = {QStringLiteral("SCHEDA ANAGRAFICA FORNITORE"),
                       QStringLiteral("Fornitore.pdf"),
                       QStringLiteral("cmdAnteprima"),
                       {row("Denominazione Ditta:", Ditta),
                        row("Titolare o responsabile:", Titolare),
                        row("Telefono preferenziale:", Recapito),
                        row("Indirizzo:", IndirizzoRes),
                        row("Città:", ComuneRes),
                        row("Provincia:", ProvRes),
                        row("CAP:", CapRes),
                        row("Modalità pagamento:", Pagamento),
                        row("Tel. casa:", TelCasa),
                        row("Tel. ufficio:", TelUff),
                        row("Tel. cellulare:", TelCel),
                        row("Fax:", Fax),
                        row("E-mail:", Email),
                        row("Codice fiscale:", CodFisc),
                        row("Partita IVA:", PartitaIva),
                        row("Carta di credito n.", Carta),
                        row("Scadenza carta di credito:", ScadeCarta),
                        row("IBAN:", Iban),
                        row("Articoli forniti:", Articoli),
                        row("Offerte e sconti:", Offerte),
                        row("Modalità di ordine merce:", Ordine),
                        row("Questioni in sospeso:", Questioni),
                        row("Da ricontattare:", {Piece::flag(Ricontatta)}),
                        row("Note:", Note)}};
    }

    // Summary lists.
    k.lists.push_back(
        {QStringLiteral("recall-suppliers"),
         QStringLiteral("TfrmRicontattaFor"),
         QStringLiteral("cmdRicontatta"),
         QStringLiteral(" Riepilogo fornitori da ricontattare"),
         QStringLiteral("Riepilogo fornitori da ricontattare"),
         SummaryLists::flagIs(Ricontatta, QStringLiteral("S\u00EC")),
         {LinePiece::field(Ditta, 30), LinePiece::text(QStringLiteral("  ")), LinePiece::field(Titolare, 30),
          LinePiece::text(QStringLiteral("  Tel. ")), LinePiece::field(Recapito, 20),
          LinePiece::text(QStringLiteral("  ")), LinePiece::field(Questioni)},
         true});

    return k;
}

} // namespace

const ArchiveKind &suppliersKind()
{
    static const ArchiveKind kind = make();
    return kind;
}
