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
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}
    };
    k.search.line = {LinePiece::joined({Cognome, Nome}, 30), LinePiece::text(QStringLiteral("  Tel. ")),
                   LinePiece::field(Recapito, 16), LinePiece::text(QStringLiteral("  C.F. ")),
                   LinePiece::field(CodFisc, 16), LinePiece::text(QStringLiteral("  Citt\u00E0: ")),
                   LinePiece::field(ComuneRes, 28), LinePiece::text(QStringLiteral("  ")), LinePiece::field(Note)};

    // Spreadsheet export.

    // Card print.

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
