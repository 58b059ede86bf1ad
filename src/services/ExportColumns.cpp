#include "ExportMembers.h"
#include "core/Archive.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

using Column = ExportTable::Column;
constexpr auto L = SpreadsheetWriter::Align::Left;
constexpr auto R = SpreadsheetWriter::Align::Right;
constexpr bool E = true;

Column col(const char *header, int width, QList<int> fields, bool editable = false,
           SpreadsheetWriter::Align align = L, const char *gridHeader = nullptr)
{
    Column c;
    c.header = QString::fromUtf8(header);
    c.gridHeader = gridHeader ? QString::fromUtf8(gridHeader) : c.header;
    c.width = width;
    c.fields = std::move(fields);
    c.align = align;
    c.editable = editable;
    return c;
}

QList<Column> customerColumns()
{
    using namespace Clienti;
    return {col("Cliente", 250, {Cognome, Nome}),
            col("Denominazione Ditta", 250, {Ditta}),
            col("Sesso", 150, {Sesso}),
            col("Telefono preferenziale", 250, {Recapito}),
            col("Indirizzo di residenza", 300, {IndirizzoRes}),
            col("Comune di residenza", 250, {ComuneRes, ProvRes}, E),
            col("CAP", 180, {CapRes}),
            col("Tel. casa", 250, {TelCasa}),
            col("Tel. ufficio", 250, {TelUff}),
            col("Tel. cellulare", 250, {TelCel}),
            col("Indirizzo PEC", 250, {Pec}),
            col("E-mail", 250, {Email}),
            col("Codice fiscale", 250, {CodFisc}),
            col("Partita IVA", 250, {PartitaIva}, E),
            col("Carta di credito n.", 300, {Carta}),
            col("IBAN", 300, {Iban}, E),
            col("Tipo documento", 250, {TipoPat}, E),
            col("Numero documento", 200, {NumPat}, E),
            col("Ente rilascio", 250, {EnteRil}),
            col("Data rilascio", 200, {DataRil}, E),
            col("Data scadenza", 200, {DataSca}),
            col("Prodotti e servizi di interesse", 350, {Conducente}),
            col("Questioni in sospeso", 350, {Questioni}, E),
            col("Note", 350, {Note}, E),
            col("Codice Destinatario", 200, {CodiceDest}, E)};
}

QList<Column> supplierColumns()
{
    using namespace Fornitori;
    return {col("Denominazione Ditta", 250, {Ditta}),
            col("Titolare o responsabile", 250, {Titolare}),
            col("Telefono preferenziale", 250, {Recapito}),
            col("Indirizzo", 300, {IndirizzoRes}),
            col("Città", 250, {ComuneRes, ProvRes}, E),
            col("CAP", 150, {CapRes}, E),
            col("Modalità di pagamento", 250, {Pagamento}),
            col("Tel. casa", 250, {TelCasa}),
            col("Tel. ufficio", 250, {TelUff}),
            col("Tel. cellulare", 250, {TelCel}),
            col("Fax", 250, {Fax}),
            col("E-mail", 250, {Email}),
            col("Codice fiscale", 250, {CodFisc}),
            col("Partita IVA", 250, {PartitaIva}, E),
            col("Carta di credito n.", 300, {Carta}),
            col("Scadenza", 150, {ScadeCarta}, E),
            col("IBAN", 300, {Iban}, E),
            col("Articoli forniti", 300, {Articoli}, E),
            col("Offerte e sconti", 300, {Offerte}, E),
            col("Modalità di ordine merce", 300, {Ordine}),
            col("Questioni in sospeso", 300, {Questioni}, E),
            col("Note", 300, {Note}, E)};
}

QList<Column> itemColumns()
{
    using namespace Magazzino;
    return {col("Codice articolo", 250, {Codice}),
            col("Tipologia", 250, {Tipologia}),
            col("Marca", 250, {Marca}),
            col("Modello", 250, {Modello}),
            col("Descrizione", 400, {Descrizione}),
            col("Accessori", 400, {Accessori}, E),
            col("Fornitore", 250, {Fornitore}),
            col("Telefono preferenziale", 250, {Recapiti}),
            col("Data acquisto", 200, {Data}),
            col("Estremi documento acquisto", 350, {Documento}, false, L, "Estremi documento di acquisto"),
            col("Modalità ordine merce", 350, {Ordine}),
            col("Giacenza", 200, {Giacenza}),
            col("Costo", 200, {Costo}),
            col("Valore", 200, {Valore}),
            col("Prezzo senza IVA", 200, {Prezzo}),
            col("Perc. IVA", 150, {PercIva}),
            col("Prezzo con IVA", 200, {Prezzo_con_Iva}),
            col("Collocazione in magazzino", 350, {Collocazione}),
            col("Altezza", 200, {Altezza}, E),
            col("Larghezza", 200, {Larghezza}, E),
            col("Lunghezza", 200, {Lunghezza}, E),
            col("Scadenza", 200, {Scadenza}, E),
            col("Note", 400, {Note})};
}

QList<Column> quoteColumns()
{
    using namespace Preventivi;
    return {col("Preventivo n.", 160, {txtNumFatt}),
            col("Data emissione", 120, {txtData}),
            col("Ditta emittente", 250, {txtDitta}),
            col("Città", 250, {txtCittaDitta}),
            col("Partita IVA", 150, {txtIvaDitta}),
            col("Codice fiscale", 150, {txtCodFiscDitta}),
            col("Cognome e nome Cliente", 250, {txtCliente}, false, L,
                "Cognome e nome o ragione sociale Cliente"),
            col("Via e numero civico", 250, {txtViaCliente}),
            col("CAP", 70, {txtCapCliente}),
            col("Città", 250, {txtCittaCliente}),
            col("Prov.", 50, {txtProvCliente}),
            col("Partita IVA Cliente", 150, {txtIvaCliente}),
            col("Codice fiscale Cliente", 150, {txtCodFiscCliente}),
            col("Riferimenti", 250, {txtRiferimenti}),
            col("Pagamento", 250, {txtPagamento}),
            col("Banca d'appoggio", 250, {txtBanca}),
            col("IBAN", 250, {txtIban}),
            col("Totale imponibile", 150, {txtTotImponibile}, false, R),
            col("% IVA", 100, {txtPercIva}, false, R),
            col("Totale imposta", 150, {txtTotImposta}, E, R),
            col("Totale IVA inclusa", 150, {txtTotIva}, E, R),
            col("Totale esente", 150, {txtTotEsente}, E, R),
            col("TOTALE PREVENTIVO", 150, {txtTotFattura}, E, R),
            col("Note", 350, {txtNote}, E),
            col("In sospeso", 100, {chkSaldata}, E)};
}

} // namespace

namespace ExportMembers {

QList<Column> deadlineColumns()
{
    using namespace Scadenzario;
    return {col("Data scadenza", 150, {Data}),
            col("Ora appuntamento", 150, {Ora}),
            col("Cognome e nome contatto", 250, {Pagatore}),
            col("Codice fiscale", 200, {CodFisc}),
            col("Comune di residenza", 250, {NumTessera}),
            col("Questioni in sospeso", 250, {Carica}),
            col("Tel. cellulare", 200, {TelCel}),
            col("Tel. preferenziale", 200, {Recapito}),
            col("Operatore telefonico", 250, {Anticipi}),
            col("Luogo appuntamento", 250, {Complessivo}),
            col("Durata prevista", 200, {Rateazione}),
            col("Agente incaricato", 250, {Beneficiario}),
            col("Causale scadenza", 300, {Dettagli}),
            col("Modalità di pagamento", 300, {Officina}, E),
            col("Importo in euro", 200, {Costo}, E),
            col("Estremi ricevuta", 250, {Contatto}, E),
            col("Appuntamento da confermare", 250, {DaConfermare}, E),
            col("Pagamento effettuato", 250, {Effettuata}, E),
            col("Note", 300, {Note})};
}

const ExportMember *forKind(const QString &kindName)
{
    static const QList<std::pair<QString, ExportMember>> members = {
        {QStringLiteral("customers"),
         {QStringLiteral("TfrmExpClienti"), QStringLiteral(" Esporta archivio clienti in Microsoft Excel"),
          QStringLiteral("Clienti.xls"), QStringLiteral("Riepilogo Clienti"), HelpPage::EsportaClienti,
          &Clienti::layout(), customerColumns()}},
        {QStringLiteral("suppliers"),
         {QStringLiteral("TfrmExpFornitori"),
          QStringLiteral(" Esporta archivio fornitori in Microsoft Excel"), QStringLiteral("Fornitori.xls"),
          QStringLiteral("Riepilogo Fornitori"), HelpPage::EsportaFornitori, &Fornitori::layout(),
          supplierColumns()}},
        {QStringLiteral("items"),
         {QStringLiteral("TfrmExpMagazzino"),
          QStringLiteral(" Esporta archivio prodotti e servizi in Microsoft Excel"),
          QStringLiteral("Magazzino.xls"), QStringLiteral("Magazzino"), HelpPage::EsportaMagazzino,
          &Magazzino::layout(), itemColumns()}},
        {QStringLiteral("quotes"),
         {QStringLiteral("TfrmExpPreventivi"),
          QStringLiteral(" Esporta archivio preventivi in Microsoft Excel"), QStringLiteral("Preventivi.xls"),
          QStringLiteral("Riepilogo annuale preventivi"), HelpPage::EsportaPreventivi, &Preventivi::layout(),
          quoteColumns()}},
        {QStringLiteral("deadlines"),
         {QStringLiteral("TfrmExpScadenzario"),
          QStringLiteral(" Esporta archivio Scadenzario e appuntamenti"),
          QStringLiteral("Scadenze_e_Appuntamenti.xls"), QStringLiteral("Scadenze e Appuntamenti"),
          HelpPage::EsportaScadenzario, &Scadenzario::layout(), deadlineColumns()}},
    };
    for (const auto &[name, member] : members) {
        if (name == kindName)
            return &member;
    }
    return nullptr;
}

QStringList kindNames()
{
    return {QStringLiteral("customers"), QStringLiteral("suppliers"), QStringLiteral("items"),
            QStringLiteral("quotes"), QStringLiteral("deadlines")};
}

ExportTable readArchive(const ExportMember &member, const Archive &archive)
{
    ExportTable table(*member.layout, member.columns);
    table.reserve(QFileInfo(archive.path()).size() / archive.recordSize());
    archive.scan([&](qint64 index, const char *record) {
        table.append(index, record); // 1-based position
        return true;
    });
    return table;
}

} // namespace ExportMembers

namespace ExportMembers {

bool saveFile(const ExportTable &table, const QString &sheetName, const QString &path,
              const std::function<void(qint64)> &progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!table.write(file, sheetName, progress)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace ExportMembers
