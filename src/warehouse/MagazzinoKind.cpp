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
        {QStringLiteral("Note:"), QStringLiteral("txtNote"), Note}};
    k.search.line = {LinePiece::field(Codice, 30),
                     LinePiece::text(QStringLiteral("  ")),
                     LinePiece::joined({Marca, Modello}, 40),
                     LinePiece::text(QStringLiteral("  Costo: ")),
                     LinePiece::field(Costo, 12),
                     LinePiece::text(QStringLiteral("  Giacenza: ")),
                     LinePiece::field(Giacenza, 12),
                     LinePiece::text(QStringLiteral("  Note: ")),
                     LinePiece::field(Note)};

    // Spreadsheet export.
    {
        using namespace ExportMembers;
        constexpr bool E = true;
        constexpr auto L = SpreadsheetWriter::Align::Left;
        k.exports = {QStringLiteral("TfrmExpMagazzino"),
                     QStringLiteral(" Esporta archivio prodotti e servizi in Microsoft Excel"),
                     QStringLiteral("Magazzino.xls"),
                     QStringLiteral("Magazzino"),
                     HelpPage::EsportaMagazzino,
                     k.layout,
                     {column("Codice articolo", 250, {Codice}),
                      column("Tipologia", 250, {Tipologia}),
                      column("Marca", 250, {Marca}),
                      column("Modello", 250, {Modello}),
                      column("Descrizione", 400, {Descrizione}),
                      column("Accessori", 400, {Accessori}, E),
                      column("Fornitore", 250, {Fornitore}),
                      column("Telefono preferenziale", 250, {Recapiti}),
                      column("Data acquisto", 200, {Data}),
                      column("Estremi documento acquisto", 350, {Documento}, false, L,
                             "Estremi documento di acquisto"),
                      column("Modalità ordine merce", 350, {Ordine}),
                      column("Giacenza", 200, {Giacenza}),
                      column("Costo", 200, {Costo}),
                      column("Valore", 200, {Valore}),
                      column("Prezzo senza IVA", 200, {Prezzo}),
                      column("Perc. IVA", 150, {PercIva}),
                      column("Prezzo con IVA", 200, {Prezzo_con_Iva}),
                      column("Collocazione in magazzino", 350, {Collocazione}),
                      column("Altezza", 200, {Altezza}, E),
                      column("Larghezza", 200, {Larghezza}, E),
                      column("Lunghezza", 200, {Lunghezza}, E),
                      column("Scadenza", 200, {Scadenza}, E),
                      column("Note", 400, {Note})}};
    }

    // Card print.
    {
        using namespace CardPrint;
        k.cardPrint = {QStringLiteral("SCHEDA ARTICOLO"),
                       QStringLiteral("Articolo.pdf"),
                       QString(),
                       {row("Codice articolo:", Codice),
                        row("Tipologia:", Tipologia),
                        row("Marca:", Marca),
                        row("Modello:", Modello),
                        row("Descrizione:", Descrizione),
                        row("Accessori:", Accessori),
                        row("Fornitore:", Fornitore),
                        row("Telefono preferenziale:", Recapiti),
                        row("Data acquisto:", Data),
                        row("Documento acquisto:", Documento),
                        row("Modalità ordine merce:", Ordine),
                        row("Giacenza:", Giacenza),
                        row("Costo:", Costo),
                        row("Valore (costo x giacenza):", Valore),
                        row("Preavviso sottoscorta:", {Piece::of(Sottoscorta), text(" pezzi rimasti")}),
                        row("Prezzo:", Prezzo),
                        row("Aliquota IVA:", PercIva),
                        row("Prezzo con IVA:", Prezzo_con_Iva),
                        row("Collocazione in magazzino:", Collocazione),
                        row("Altezza:", Altezza),
                        row("Larghezza:", Larghezza),
                        row("Lunghezza:", Lunghezza),
                        row("Scadenza:", Scadenza),
                        row("Note:", Note)}};
    }

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
