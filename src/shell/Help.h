#pragma once

#include <QString>

class QWidget;

// The help pages, one per title of the help window.
enum class HelpPage {
    Generale,           // "Uno sguardo a Quadrivo."
    Clienti,            // "Applicazione Anagrafica Clienti."
    Fornitori,          // "Applicazione Anagrafica Fornitori."
    Magazzino,          // "Applicazione Magazzino Prodotti e Servizi."
    Inventario,         // "Applicazione Inventario Merce."
    Preventivi,         // "Applicazione Emissione Preventivi."
    Scadenzario,        // "Applicazione Scadenzario e appuntamenti."
    EsportaClienti,     // "Esportazione archivio clienti in Microsoft Excel."
    EsportaFornitori,   // "Esportazione archivio fornitori in Microsoft Excel."
    EsportaMagazzino,   // "Esportazione archivio beni e servizi in Microsoft Excel."
    EsportaPreventivi,  // "Esportazione archivio preventivi in Microsoft Excel."
    EsportaScadenzario, // "Esportazione Scadenzario e appuntamenti in Microsoft Excel."
    ScadenzeImminenti,  // "Visualizzazione scadenze o appuntamenti."
    ScadenzeGiorniMesi, // "Visualizzazione scadenze e appuntamenti."
};

namespace Help {

QString title(HelpPage page);
// Paragraphs separated by an empty line (two CR LF pairs).
QString text(HelpPage page);
// Creates the help window with the page, shows it modally and destroys it.
void show(QWidget *parent, HelpPage page);

} // namespace Help
