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
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}
    };
    k.search.line = {LinePiece::field(Ditta, 30), LinePiece::text(QStringLiteral("  ")), LinePiece::field(Titolare, 30),
                   LinePiece::text(QStringLiteral("  Tel. ")), LinePiece::field(Recapito, 20),
                   LinePiece::text(QStringLiteral("  ")), LinePiece::field(Note)};

    // Spreadsheet export.

    // Card print.

    // Summary lists.
    k.lists.push_back({QStringLiteral("recall-suppliers"),
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
