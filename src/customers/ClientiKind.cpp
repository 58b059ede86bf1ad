// The description of QLatin1StringView(Clienti::fileName()): see services/ArchiveKind.h.
#include "ClientiRecord.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"

using namespace Clienti;

namespace {

ArchiveKind make()
{
    ArchiveKind k{ArchiveKindId::Customers,
                  QStringLiteral("customers"),
                  QStringLiteral("clienti"),
                  &Clienti::layout(),
                  QLatin1StringView(Clienti::fileName()),
                  QString(),
                  QStringLiteral(" Quadrivo - Anagrafica Clienti"),
                  HelpPage::Clienti,
                  {},
                  {},
                  {},
                  {}};

    // Search window.
    k.search.window = QStringLiteral("TfrmTrovaClienti");
    k.search.caption = QStringLiteral(" Trova clienti in archivio");
    k.search.countPrefix = QStringLiteral("Il presente riepilogo contiene ");
    k.search.printTitle = QStringLiteral("Riepilogo clienti");
    k.search.criteria = {
        {QStringLiteral("Cognome cliente:"), QStringLiteral("txtCognome"), Cognome},
        {QStringLiteral("Denominazione Ditta:"), QStringLiteral("txtDitta"), Ditta},
        {QStringLiteral("Partita IVA:"), QStringLiteral("txtPartitaIva"), PartitaIva},
        {QStringLiteral("Codice fiscale:"), QStringLiteral("txtCodFisc"), CodFisc},
        {QStringLiteral("Comune di residenza:"), QStringLiteral("txtComuneRes"), ComuneRes},
        {QStringLiteral("Tel. cellulare:"), QStringLiteral("txtTelCel"), TelCel},
        {QStringLiteral("Prodotti e servizi di interesse:"), QStringLiteral("txtConducente"), Conducente},
        {QStringLiteral("Codice Destinatario:"), QStringLiteral("txtCodiceDest"), CodiceDest},
        {QStringLiteral("Questioni in sospeso:"), QStringLiteral("txtQuestioni"), Questioni},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}};
    k.search.line = {LinePiece::joined({Cognome, Nome}, 30),
                     LinePiece::text(QStringLiteral("  Tel. ")),
                     LinePiece::field(Recapito, 16),
                     LinePiece::text(QStringLiteral("  C.F. ")),
                     LinePiece::field(CodFisc, 16),
                     LinePiece::text(QStringLiteral("  Citt\u00E0: ")),
                     LinePiece::field(ComuneRes, 28),
                     LinePiece::text(QStringLiteral("  ")),
                     LinePiece::field(Note)};

    // Spreadsheet export.
    {
        using namespace ExportMembers;
        constexpr bool E = true;
        k.exports = {QStringLiteral("TfrmExpClienti"),
                     QStringLiteral(" Esporta archivio clienti in Microsoft Excel"),
                     QStringLiteral("Clienti.xls"),
                     QStringLiteral("Riepilogo Clienti"),
                     HelpPage::EsportaClienti,
                     k.layout,
                     {column("Cliente", 250, {Cognome, Nome}),
                      column("Denominazione Ditta", 250, {Ditta}),
                      column("Sesso", 150, {Sesso}),
                      column("Telefono preferenziale", 250, {Recapito}),
                      column("Indirizzo di residenza", 300, {IndirizzoRes}),
                      column("Comune di residenza", 250, {ComuneRes, ProvRes}, E),
                      column("CAP", 180, {CapRes}),
                      column("Tel. casa", 250, {TelCasa}),
                      column("Tel. ufficio", 250, {TelUff}),
                      column("Tel. cellulare", 250, {TelCel}),
                      column("Indirizzo PEC", 250, {Pec}),
                      column("E-mail", 250, {Email}),
                      column("Codice fiscale", 250, {CodFisc}),
                      column("Partita IVA", 250, {PartitaIva}, E),
                      column("Carta di credito n.", 300, {Carta}),
                      column("IBAN", 300, {Iban}, E),
                      column("Tipo documento", 250, {TipoPat}, E),
                      column("Numero documento", 200, {NumPat}, E),
                      column("Ente rilascio", 250, {EnteRil}),
                      column("Data rilascio", 200, {DataRil}, E),
                      column("Data scadenza", 200, {DataSca}),
                      column("Prodotti e servizi di interesse", 350, {Conducente}),
                      column("Questioni in sospeso", 350, {Questioni}, E),
                      column("Note", 350, {Note}, E),
                      column("Codice Destinatario", 200, {CodiceDest}, E)}};
    }

    // Card print.
    {
        using namespace CardPrint;
        k.cardPrint = {
            QStringLiteral("SCHEDA ANAGRAFICA CLIENTE"),
            QStringLiteral("Cliente.pdf"),
            QStringLiteral("cmdAnteprima"),
            {row("Cognome e nome:", {Piece::of(Cognome), text(" "), Piece::of(Nome)}),
             row("Data di nascita:", DataNasc),
             row("Comune di nascita:", {Piece::of(ComuneNasc), text(" "), Piece::of(ProvNasc)}),
             row("Codice Destinatario:", CodiceDest),
             row("Telefono preferenziale:", Recapito),
             row("Indirizzo di residenza:", IndirizzoRes),
             row("Comune di residenza:", {Piece::of(ComuneRes), text(" "), Piece::of(ProvRes)}),
             row("Denominazione Ditta:", Ditta),
             row("Tel. casa:", TelCasa),
             row("Tel. ufficio:", TelUff),
             row("Tel. cellulare:", TelCel),
             row("Indirizzo PEC:", Pec),
             row("E-mail:", Email),
             row("Codice fiscale:", CodFisc),
             row("Partita IVA:", PartitaIva),
             row("Carta di credito:",
                 {text("N. "), Piece::of(Carta), text("  -  Scadenza: "), Piece::of(ScadeCarta)}),
             row("IBAN:", Iban),
             row("Tipo documento:", TipoPat),
             row("Numero documento:", NumPat),
             row("Ente di rilascio:", EnteRil),
             row("Data di rilascio:", {Piece::of(DataRil), text("  -  Scadenza: "), Piece::of(DataSca)}),
             row("Prodotti e servizi:", Conducente),
             row("Questioni in sospeso:", Questioni),
             row("Note:", Note)}};
    }

    // Summary lists.
    k.lists.push_back({QStringLiteral("recall-customers"),
                       QStringLiteral("TfrmRicontatta"),
                       QStringLiteral("cmdRicontatta"),
                       QStringLiteral(" Riepilogo clienti da ricontattare"),
                       QStringLiteral("Riepilogo clienti da ricontattare"),
                       SummaryLists::flagIs(Ricontatta, QStringLiteral("S\u00EC")),
                       {LinePiece::joined({Cognome, Nome}, 30), LinePiece::text(QStringLiteral("  Tel. ")),
                        LinePiece::field(Recapito, 16), LinePiece::text(QStringLiteral("  C.F. ")),
                        LinePiece::field(CodFisc, 16), LinePiece::text(QStringLiteral("  Citt\u00E0: ")),
                        LinePiece::field(ComuneRes, 28), LinePiece::text(QStringLiteral("  ")),
                        LinePiece::field(Questioni)},
                       true});

    return k;
}

} // namespace

const ArchiveKind &customersKind()
{
    static const ArchiveKind kind = make();
    return kind;
}
