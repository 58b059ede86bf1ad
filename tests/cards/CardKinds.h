#pragma once

// The card windows over the program folder's archives, described once for the tests that run
// the same steps on each: how to make the window ready for records, a stored record it saves
// again unchanged, and what a new card needs before Save accepts it.

#include "CardTestKit.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/TfrmScadenzario.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/TfrmPreventivi.h"
#include "suppliers/FornitoriRecord.h"
#include "suppliers/TfrmFornitori.h"
#include "warehouse/MagazzinoRecord.h"
#include "warehouse/TfrmMagazzino.h"

#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace CardTestKit {

using Texts = QList<QPair<QString, QString>>;

struct CardKind
{
    QString name; // the attachment window's mode for the cards that have one
    QString file; // in the program folder
    const RecordLayout &(*layout)();
    std::function<CardWindow *()> make;
    std::function<void(CardWindow *)> open; // after show: whatever comes before the records
    Texts stored;                           // a record the card saves again as it is
    Texts typedForNew;                      // what a new card needs for Save
    QString edited;                         // a free-text field to change before saving
};

inline CardKind cardKind(const QString &name)
{
    const auto nothing = [](CardWindow *) {};
    if (name == QLatin1StringView("clienti"))
        return {name,
                QString::fromLatin1(Clienti::fileName()),
                Clienti::layout,
                [] { return new TfrmClienti; },
                nothing,
                {{"Cognome", "Bianchi"}, {"Nome", "Anna"}, {"Ricontatta", "No"}},
                {{"Cognome", "Verdi"}, {"Nome", "Luca"}},
                QStringLiteral("Note")};
    if (name == QLatin1StringView("fornitori"))
        return {name,
                QString::fromLatin1(Fornitori::fileName()),
                Fornitori::layout,
                [] { return new TfrmFornitori; },
                nothing,
                {{"Ditta", "Carta & Penna Srl"}, {"Ricontatta", "No"}},
                {{"Ditta", "Ferramenta Rossi"}},
                QStringLiteral("Note")};
    if (name == QLatin1StringView("magazzino"))
        return {name,
                QString::fromLatin1(Magazzino::fileName()),
                Magazzino::layout,
                [] { return new TfrmMagazzino; },
                nothing,
                {{"Codice", "ART-1"},
                 {"Costo", "10,00"},
                 {"Valore", "20,00"},
                 {"Prezzo", "15,00"},
                 {"PercIva", "22"},
                 {"Prezzo_con_Iva", "18,30"},
                 {"Giacenza", "2"},
                 {"Sottoscorta", "0"}},
                {{"Codice", "ART-2"}},
                QStringLiteral("Note")};
    if (name == QLatin1StringView("scadenzario"))
        return {name,
                QStringLiteral("2024.sca"),
                Scadenzario::layout,
                [] { return new TfrmScadenzario; },
                [](CardWindow *w) {
                    find<QLineEdit>(w, QStringLiteral("txtAnno"))->setText(QStringLiteral("2024"));
                    click(w, QStringLiteral("btnApri"));
                },
                {{"Giorno", "10"},
                 {"Mese", "Gennaio"},
                 {"Anno", "2024"},
                 {"Data", "10/01/2024"},
                 {"OreApp", "09"},
                 {"MinutiApp", "30"},
                 {"Ora", "09:30"},
                 {"Avviso", "5"},
                 {"Pagatore", "Bianchi Anna"},
                 {"Dettagli", "Affitto"},
                 {"DaConfermare", "No"},
                 {"Effettuata", "No"}},
                {{"Giorno", "05"},
                 {"Mese", "Marzo"},
                 {"Avviso", "3"},
                 {"Pagatore", "Rossi"},
                 {"Dettagli", "Bollo"}},
                QStringLiteral("Note")};
    if (name == QLatin1StringView("preventivi"))
        return {name,
                QStringLiteral("2024.pre"),
                Preventivi::layout,
                [] { return createTfrmPreventivi(); },
                [](CardWindow *w) {
                    static_cast<TfrmPreventivi *>(w)->openYear(programFile(QStringLiteral("2024.pre")),
                                                               QStringLiteral(" Preventivi 2024"));
                },
                {{"txtNumFatt", "1"}, {"txtData", "15/03/2024"}, {"txtCliente", "Bianchi Anna"}},
                {{"txtCliente", "Rossi Mario"}},
                QStringLiteral("txtRiferimenti")};
    qFatal("no card kind %s", qPrintable(name));
}

// Puts texts into a card's controls as a user would leave them: list items are picked.
inline void fill(CardWindow *card, const Texts &texts)
{
    for (const auto &[field, text] : texts) {
        QWidget *control = card->control(card->recordLayout().indexOf(field));
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setText(text);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            const int index = combo->findText(text);
            if (index >= 0)
                combo->setCurrentIndex(index);
            else
                combo->setEditText(text);
        } else {
            qFatal("no control for %s", qPrintable(field));
        }
    }
}

} // namespace CardTestKit
