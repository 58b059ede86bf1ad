#pragma once

// Small archives of every kind whose values catch what a spreadsheet likes to change: codes with
// leading zeros, "&" and "<", accented letters and "€".

#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace ExportFixtures {

using Values = QList<std::pair<int, QString>>;

inline QByteArray record(const RecordLayout &layout, const Values &values)
{
    Record r(layout);
    for (const auto &[field, text] : values)
        r.setText(field, text);
    return r.encode();
}

struct Fixture
{
    QString kind;        // as quadrivo-tool names it
    QString archiveName; // in the program folder
    QByteArray bytes;
};

inline QByteArray customers()
{
    using namespace Clienti;
    return record(layout(), {{Cognome, QStringLiteral("Rossi")},
                             {Nome, QStringLiteral("Mario")},
                             {Ditta, QStringLiteral("Rossi & Figli <srl>")},
                             {ComuneRes, QStringLiteral("Forlì")},
                             {ProvRes, QStringLiteral("FC")},
                             {CapRes, QStringLiteral("00184")},
                             {PartitaIva, QStringLiteral("01234567897")},
                             {CodiceDest, QStringLiteral("0000000")},
                             {Note, QStringLiteral("Sconto 10 € sul totale")}}) +
           record(layout(), {{Cognome, QStringLiteral("Bianchi")},
                             {Ditta, QStringLiteral("L'Étoile")},
                             {TelCel, QStringLiteral("0039 333 1234567")},
                             {DataRil, QStringLiteral("01/02/2020")}}) +
           record(layout(), {{Nome, QStringLiteral("Anna")}, {Questioni, QStringLiteral("1/2 < 3/4")}});
}

inline QByteArray suppliers()
{
    using namespace Fornitori;
    return record(layout(), {{Ditta, QStringLiteral("Ferramenta & Co.")},
                             {ComuneRes, QStringLiteral("Cantù")},
                             {ProvRes, QStringLiteral("CO")},
                             {CapRes, QStringLiteral("02210")},
                             {Pagamento, QStringLiteral("Bonifico a 30 giorni <fm>")},
                             {PartitaIva, QStringLiteral("00012345678")},
                             {Offerte, QStringLiteral("-5% sopra 100 €")}});
}

inline QByteArray items()
{
    using namespace Magazzino;
    return record(layout(), {{Codice, QStringLiteral("000123")},
                             {Descrizione, QStringLiteral("Cavo <HDMI> & adattatore")},
                             {Documento, QStringLiteral("Fattura n. 007")},
                             {Giacenza, QStringLiteral("0012")},
                             {Prezzo, QStringLiteral("1.234,50")},
                             {PercIva, QStringLiteral("22")},
                             {Note, QStringLiteral("Qualità €")}});
}

inline QByteArray quotes()
{
    using namespace Preventivi;
    return record(layout(), {{txtNumFatt, QStringLiteral("0007")},
                             {txtData, QStringLiteral("05/03/2024")},
                             {txtDitta, QStringLiteral("Officina & Ricambi")},
                             {txtCliente, QStringLiteral("Niccolò <Rossi>")},
                             {txtCapCliente, QStringLiteral("00100")},
                             {txtIvaCliente, QStringLiteral("01234567897")},
                             {txtTotImponibile, QStringLiteral("1.000,00")},
                             {txtPercIva, QStringLiteral("22")},
                             {txtTotImposta, QStringLiteral("220,00")},
                             {txtTotIva, QStringLiteral("1.220,00")},
                             {txtTotEsente, QStringLiteral("0,00")},
                             {txtTotFattura, QStringLiteral("1.220,00")},
                             {txtNote, QStringLiteral("Totale in €")},
                             {chkSaldata, QStringLiteral("Sì")}});
}

inline QByteArray deadlines()
{
    using namespace Scadenzario;
    return record(layout(), {{Giorno, QStringLiteral("05")},
                             {Mese, QStringLiteral("Marzo")},
                             {Anno, QStringLiteral("2024")},
                             {Data, QStringLiteral("05/03/2024")},
                             {Ora, QStringLiteral("09:30")},
                             {Pagatore, QStringLiteral("Dell'Acqua & C.")},
                             {NumTessera, QStringLiteral("Città di Castello")},
                             {Officina, QStringLiteral("Contanti <cassa>")},
                             {Costo, QStringLiteral("0050,00 €")},
                             {DaConfermare, QStringLiteral("Sì")},
                             {Effettuata, QStringLiteral("No")}});
}

inline QList<Fixture> all()
{
    return {{QStringLiteral("customers"), QStringLiteral("Clienti.pro"), customers()},
            {QStringLiteral("suppliers"), QStringLiteral("Fornitori.pro"), suppliers()},
            {QStringLiteral("items"), QStringLiteral("Magazzino.pro"), items()},
            {QStringLiteral("quotes"), QStringLiteral("2024.pre"), quotes()},
            {QStringLiteral("deadlines"), QStringLiteral("2024.sca"), deadlines()}};
}

} // namespace ExportFixtures
