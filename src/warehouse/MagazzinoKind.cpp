// The description of QLatin1StringView(Magazzino::fileName()): see services/ArchiveKind.h.
#include "MagazzinoRecord.h"
#include "services/ArchiveKinds.h"
#include "services/SummaryLists.h"

using namespace Magazzino;

namespace {

ArchiveKind make()
{
    ArchiveKind k{ArchiveKindId::Items,
                  QStringLiteral("items"),
                  QStringLiteral("magazzino"),
                  &Magazzino::layout(),
                  QLatin1StringView(Magazzino::fileName()),
                  QString(),
                  QStringLiteral(" Quadrivo - Magazzino Prodotti e Servizi"),
                  HelpPage::Magazzino,
                  {},
                  {},
                  {},
                  {}};

    // Search window.
    k.search.window = QStringLiteral("TfrmTrovaMagazzino");
    k.search.caption = QStringLiteral(" Trova articoli in magazzino");
    k.search.countPrefix = QStringLiteral("Il presente elenco contiene ");
    k.search.printTitle = QStringLiteral("Riepilogo articoli in magazzino");
    k.search.criteria = {
        {QStringLiteral("Codice articolo:"), QStringLiteral("txtCodice"), Codice},
        {QStringLiteral("Tipologia:"), QStringLiteral("txtTipologia"), Tipologia},
        {QStringLiteral("Marca:"), QStringLiteral("txtMarca"), Marca},
        {QStringLiteral("Modello:"), QStringLiteral("txtModello"), Modello},
        {QStringLiteral("Descrizione:"), QStringLiteral("txtDescrizione"), Descrizione},
        {QStringLiteral("Accessori:"), QStringLiteral("txtAccessori"), Accessori},
        {QStringLiteral("Fornitore:"), QStringLiteral("txtFornitore"), Fornitore},
        {QStringLiteral("Estremi documento di acquisto:"), QStringLiteral("txtDocumento"), Documento},
        {QStringLiteral("Collocazione in magazzino:"), QStringLiteral("txtCollocazione"), Collocazione},
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}
    };
    k.search.line = {LinePiece::field(Codice, 30), LinePiece::text(QStringLiteral("  ")), LinePiece::joined({Marca, Modello}, 40),
                   LinePiece::text(QStringLiteral("  Costo: ")), LinePiece::field(Costo, 12),
                   LinePiece::text(QStringLiteral("  Giacenza: ")), LinePiece::field(Giacenza, 12),
                   LinePiece::text(QStringLiteral("  Note: ")), LinePiece::field(Note)};

    // Spreadsheet export.

    // Card print.

    // Summary lists.
    k.lists.push_back({QStringLiteral("under-stock"),
                        QStringLiteral("TfrmSottoscorta"),
                        QStringLiteral("cmdSottoscorta"),
                        QStringLiteral(" Materiali in esaurimento"),
                        QStringLiteral("Materiali in esaurimento"),
                        SummaryLists::atMost(Giacenza, Sottoscorta),
                        {LinePiece::field(Codice, 30), LinePiece::text(QStringLiteral("  ")),
                         LinePiece::joined({Marca, Modello}, 40), LinePiece::text(QStringLiteral("  Costo: ")),
                         LinePiece::field(Costo, 12), LinePiece::text(QStringLiteral("  Giacenza: ")),
                         LinePiece::field(Giacenza, 12), LinePiece::text(QStringLiteral("  Note: ")),
                         LinePiece::field(Note)},
                        true});

    return k;
}

} // namespace

const ArchiveKind &itemsKind()
{
    static const ArchiveKind kind = make();
    return kind;
}
