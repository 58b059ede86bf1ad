#include "CardPrintRows.h"

#include "core/Record.h"
#include "core/TextField.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/ScadenzarioRules.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

namespace CardPrint {

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

Row row(const char *label, int field)
{
    return {u(label), {Piece::of(field)}};
}

Row row(const char *label, QList<Piece> value)
{
    return {u(label), std::move(value)};
}

Piece text(const char *literal)
{
    return Piece::literal(u(literal));
}

Layout customers()
{
    using namespace Clienti;
    return {u("SCHEDA ANAGRAFICA CLIENTE"),
            u("Cliente.pdf"),
            u("cmdAnteprima"),
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

Layout suppliers()
{
    using namespace Fornitori;
    return {u("SCHEDA ANAGRAFICA FORNITORE"),
            u("Fornitore.pdf"),
            u("cmdAnteprima"),
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

Layout items()
{
    using namespace Magazzino;
    return {u("SCHEDA ARTICOLO"),
            u("Articolo.pdf"),
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

Layout deadlines()
{
    using namespace Scadenzario;
    using namespace ScadenzarioRules;
    Layout layout{u("SCHEDA SCADENZA O APPUNTAMENTO"),
                  QString(),
                  u("cmdImporta"),
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
        layout.rows << row(" ", {text(" ")});
    return layout;
}

QString pieceText(const Piece &piece, const Record &card)
{
    switch (piece.kind) {
    case Piece::Kind::Literal:
        return piece.text;
    case Piece::Kind::Flag:
        return Record::flagText(Record::flagState(TextField::trim(card.text(piece.field))) == 1);
    case Piece::Kind::Choice: {
        const QString shown = card.text(piece.field);
        return piece.choices.contains(shown) ? TextField::trim(shown) : QString();
    }
    case Piece::Kind::Field:
        break;
    }
    return TextField::trim(card.text(piece.field));
}

} // namespace

const Layout *layoutFor(const QString &kind)
{
    static const Layout kCustomers = customers();
    static const Layout kSuppliers = suppliers();
    static const Layout kItems = items();
    static const Layout kDeadlines = deadlines();
    if (kind == QStringLiteral("customers"))
        return &kCustomers;
    if (kind == QStringLiteral("suppliers"))
        return &kSuppliers;
    if (kind == QStringLiteral("items"))
        return &kItems;
    if (kind == QStringLiteral("deadlines"))
        return &kDeadlines;
    return nullptr;
}

QList<std::pair<QString, QString>> rowTexts(const Layout &layout, const Record &card)
{
    QList<std::pair<QString, QString>> rows;
    for (const Row &r : layout.rows) {
        QString value;
        for (const Piece &piece : r.value)
            value += pieceText(piece, card);
        rows.append({r.label, value});
    }
    return rows;
}

} // namespace CardPrint
