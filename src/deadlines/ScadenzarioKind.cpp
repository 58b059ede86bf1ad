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
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}
    };
    k.search.line = {LinePiece::field(Dettagli, 35), LinePiece::text(QStringLiteral("  Data: ")), LinePiece::field(Data, 10),
                   LinePiece::text(QStringLiteral("  Ora: ")), LinePiece::field(Ora, 5),
                   LinePiece::text(QStringLiteral("  Contatto: ")), LinePiece::field(Pagatore, 24),
                   LinePiece::text(QStringLiteral("  Agente:  ")), LinePiece::field(Beneficiario, 24),
                   LinePiece::text(QStringLiteral("  \u20AC ")), LinePiece::field(Costo)};

    // Spreadsheet export.

    // Card print.

    // Summary lists.
    const LineRecipe deadlineLine = {
        LinePiece::field(Dettagli, 35),          LinePiece::text(QStringLiteral("  Data: ")),
        LinePiece::field(Data, 10),              LinePiece::text(QStringLiteral("  Ora: ")),
        LinePiece::field(Ora, 5),                LinePiece::text(QStringLiteral("  Contatto: ")),
        LinePiece::field(Pagatore, 24),          LinePiece::text(QStringLiteral("  Agente:  ")),
        LinePiece::field(Beneficiario, 24),      LinePiece::text(QStringLiteral("  \u20AC ")),
        LinePiece::field(Costo)};
    // The payment lists do not look at the date: a payment to make is listed, due or not.
    k.lists.push_back({QStringLiteral("to-confirm"), QStringLiteral("TfrmDaConfermare"),
                        QStringLiteral("cmdDaConfermare"), QStringLiteral(" Riepilogo appuntamenti da confermare"),
                        QStringLiteral("Riepilogo appuntamenti da confermare"),
                        SummaryLists::flagIs(DaConfermare, QStringLiteral("S\u00EC")), deadlineLine, true});
    k.lists.push_back({QStringLiteral("to-pay"), QStringLiteral("TfrmConfermati"),
                        QStringLiteral("cmdDaEffettuare"), QStringLiteral(" Riepilogo pagamenti da effettuare"),
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
