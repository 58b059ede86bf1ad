// The description of the yearly files: see services/ArchiveKind.h.
#include "ScadenzarioRecord.h"
#include "ScadenzarioRules.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"

using namespace Scadenzario;

namespace {

ArchiveKind make()
{
    ArchiveKind k{ArchiveKindId::Deadlines,
                  QStringLiteral("deadlines"),
                  QStringLiteral("Scadenzario"),
                  &Scadenzario::layout(),
                  QString(),
                  QLatin1StringView(Scadenzario::fileSuffix()),
                  ScadenzarioRules::caption(),
                  HelpPage::Scadenzario,
                  {},
                  {},
                  {},
                  {}};

    // Search window.
    k.search.window = QStringLiteral("TfrmTrovaScadenzario");
    k.search.caption = QStringLiteral(" Trova scadenze e appuntamenti in archivio");
    k.search.countPrefix = QStringLiteral("Il presente elenco contiene ");
    k.search.printTitle = QStringLiteral("Riepilogo scadenze e appuntamenti");
    k.search.criteria = {
        {QStringLiteral("Data scadenza (gg/mm/aaaa):"), QStringLiteral("txtData"), Data},
        {QStringLiteral("Ora appuntamento (hh:mm):"), QStringLiteral("txtOra"), Ora},
        {QStringLiteral("Cognome e nome contatto:"), QStringLiteral("txtPagatore"), Pagatore},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc"), CodFisc},
        {QStringLiteral("Comune di residenza:"), QStringLiteral("txtNumTessera"), NumTessera},
        {QStringLiteral("Questioni in sospeso:"), QStringLiteral("txtCarica"), Carica},
        {QStringLiteral("Operatore telefonico:"), QStringLiteral("txtAnticipi"), Anticipi},
        {QStringLiteral("Agente incaricato:"), QStringLiteral("txtBeneficiario"), Beneficiario},
        {QStringLiteral("Causale scadenza:"), QStringLiteral("txtDettagli"), Dettagli},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}};
    k.search.line = {LinePiece::field(Dettagli, 35),
                     LinePiece::text(QStringLiteral("  Data: ")),
                     LinePiece::field(Data, 10),
                     LinePiece::text(QStringLiteral("  Ora: ")),
                     LinePiece::field(Ora, 5),
                     LinePiece::text(QStringLiteral("  Contatto: ")),
                     LinePiece::field(Pagatore, 24),
                     LinePiece::text(QStringLiteral("  Agente:  ")),
                     LinePiece::field(Beneficiario, 24),
                     LinePiece::text(QStringLiteral("  \u20AC ")),
                     LinePiece::field(Costo)};

    // Spreadsheet export.
    {
        using namespace ExportMembers;
        constexpr bool E = true;
        k.exports = {
            QStringLiteral("TfrmExpScadenzario"),
            QStringLiteral(" Esporta archivio Scadenzario e appuntamenti"),
            QStringLiteral("Scadenze_e_Appuntamenti.xls"),
            QStringLiteral("Scadenze e Appuntamenti"),
            HelpPage::EsportaScadenzario,
            k.layout,
            {column("Data scadenza", 150, {Data}), column("Ora appuntamento", 150, {Ora}),
             column("Cognome e nome contatto", 250, {Pagatore}), column("Codice fiscale", 200, {CodFisc}),
             column("Comune di residenza", 250, {NumTessera}), column("Questioni in sospeso", 250, {Carica}),
             column("Tel. cellulare", 200, {TelCel}), column("Tel. preferenziale", 200, {Recapito}),
             column("Operatore telefonico", 250, {Anticipi}),
             column("Luogo appuntamento", 250, {Complessivo}), column("Durata prevista", 200, {Rateazione}),
             column("Agente incaricato", 250, {Beneficiario}), column("Causale scadenza", 300, {Dettagli}),
             column("Modalità di pagamento", 300, {Officina}, E), column("Importo in euro", 200, {Costo}, E),
             column("Estremi ricevuta", 250, {Contatto}, E),
             column("Appuntamento da confermare", 250, {DaConfermare}, E),
             column("Pagamento effettuato", 250, {Effettuata}, E), column("Note", 300, {Note})}};
    }

    // Card print.
    {
        using namespace CardPrint;
        using namespace ScadenzarioRules;
        k.cardPrint = {QStringLiteral("SCHEDA SCADENZA O APPUNTAMENTO"),
                       QString(),
                       QStringLiteral("cmdImporta"),
                       {row("Data scadenza:", {Piece::choice(Giorno, days()), text(" "),
                                               Piece::choice(Mese, months()), text(" "), Piece::of(Anno)}),
                        row("Ora appuntamento:",
                            {Piece::choice(OreApp, hours()), text(":"), Piece::choice(MinutiApp, minutes())}),
                        row("Giorni preavviso:", Avviso),
                        row("Cognome e nome contatto:", Pagatore),
                        row("Codice fiscale:", CodFisc),
                        row("Comune di residenza:", NumTessera),
                        row("Questioni in sospeso:", Carica),
                        row("Tel. cellulare:", TelCel),
                        row("Tel. preferenziale:", Recapito),
                        row("Operatore telefonico:", Anticipi),
                        row("Luogo appuntamento:", Complessivo),
                        row("Durata prevista:", Rateazione),
                        row("Agente incaricato:", Beneficiario),
                        row("Causale scadenza:", Dettagli),
                        row("Modalità di pagamento:", Officina),
                        row("Importo in euro:", Costo),
                        row("Estremi ricevuta:", Contatto),
                        row("Note:", Note),
                        row("Appuntamento da confermare:", {Piece::flag(DaConfermare)}),
                        row("Pagamento effettuato:", {Piece::flag(Effettuata)})}};
        // The last four rows print as empty boxes.
        for (int r = 21; r <= 24; ++r)
            k.cardPrint.rows << row(" ", {text(" ")});
    }

    // Summary lists.
    // The same line as the search window.
    const LineRecipe &deadlineLine = k.search.line;
    // The payment lists do not look at the date: a payment to make is listed, due or not.
    k.lists.push_back({QStringLiteral("to-confirm"), QStringLiteral("TfrmDaConfermare"),
                       QStringLiteral("cmdDaConfermare"),
                       QStringLiteral(" Riepilogo appuntamenti da confermare"),
                       QStringLiteral("Riepilogo appuntamenti da confermare"),
                       SummaryLists::flagIs(DaConfermare, QStringLiteral("S\u00EC")), deadlineLine, true});
    k.lists.push_back({QStringLiteral("to-pay"), QStringLiteral("TfrmConfermati"),
                       QStringLiteral("cmdDaEffettuare"),
                       QStringLiteral(" Riepilogo pagamenti da effettuare"),
                       QStringLiteral("Riepilogo pagamenti da effettuare"),
                       SummaryLists::flagIs(Effettuata, QStringLiteral("No")), deadlineLine, true});
    k.lists.push_back({QStringLiteral("paid"), QStringLiteral("TfrmNonConfermati"),
                       QStringLiteral("cmdEffettuate"), QStringLiteral(" Riepilogo pagamenti effettuati"),
                       QStringLiteral("Riepilogo pagamenti effettuati"),
                       SummaryLists::flagIs(Effettuata, QStringLiteral("S\u00EC")), deadlineLine, true});

    return k;
}

} // namespace

const ArchiveKind &deadlinesKind()
{
    static const ArchiveKind kind = make();
    return kind;
}
