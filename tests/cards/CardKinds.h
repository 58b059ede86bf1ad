#pragma once

// What the tests that run the same steps on every card need beyond the archive registry: how to
// make the window ready for records, a stored record it saves again unchanged, and what a new
// card needs before Save accepts it.

#include "WindowTestKit.h"
#include "customers/ClientiRecord.h"
#include "customers/TfrmClienti.h"
#include "deadlines/ScadenzarioRecord.h"
#include "deadlines/TfrmScadenzario.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/TfrmPreventivi.h"
#include "services/ArchiveKinds.h"
#include "suppliers/FornitoriRecord.h"
#include "suppliers/TfrmFornitori.h"
#include "warehouse/MagazzinoRecord.h"
#include "warehouse/TfrmMagazzino.h"

#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace WindowTestKit {

using Texts = QList<QPair<QString, QString>>;

// An archive of the registry with what the tests need to drive its card.
struct CardKind
{
    const ArchiveKind *archive;
    std::function<CardWindow *()> make;
    std::function<void(CardWindow *)> open; // after show: whatever comes before the records
    Texts stored;                           // a record the card saves again as it is
    Texts typedForNew;                      // what a new card needs for Save
    QString edited;                         // a free-text field to change before saving

    const QString &name() const { return archive->name; }
    const RecordLayout &layout() const { return *archive->layout; }
    // In the program folder; the yearly archives are driven on 2024.
    QString file() const { return archive->fileNameFor(2024); }
};

// Every archive of the registry, by its name ("customers") or its card's mode tag ("clienti").
inline CardKind cardKind(const QString &name)
{
    const ArchiveKind *archive = ArchiveKinds::byName(name);
    for (const ArchiveKind *k : ArchiveKinds::all())
        if (!archive && k->modeTag.compare(name, Qt::CaseInsensitive) == 0)
            archive = k;
    if (!archive)
        qFatal("no card kind %s", qPrintable(name));
    const auto nothing = [](CardWindow *) {};
    switch (archive->id) {
    case ArchiveKindId::Customers:
        return {archive,
                [] { return new TfrmClienti; },
                nothing,
                {{"Cognome", "Bianchi"}, {"Nome", "Anna"}, {"Ricontatta", "No"}},
                {{"Cognome", "Verdi"}, {"Nome", "Luca"}},
                QStringLiteral("Note")};
    case ArchiveKindId::Suppliers:
        return {archive,
                [] { return new TfrmFornitori; },
                nothing,
                {{"Ditta", "Carta & Penna Srl"}, {"Ricontatta", "No"}},
                {{"Ditta", "Ferramenta Rossi"}},
                QStringLiteral("Note")};
    case ArchiveKindId::Items:
        return {archive,
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
    case ArchiveKindId::Deadlines:
        return {archive,
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
    case ArchiveKindId::Quotes:
        return {archive,
                [] { return createTfrmPreventivi(); },
                [](CardWindow *w) {
                    static_cast<TfrmPreventivi *>(w)->openYear(programFile(QStringLiteral("2024.pre")),
                                                               QStringLiteral(" Preventivi 2024"));
                },
                {{"txtNumFatt", "1"}, {"txtData", "15/03/2024"}, {"txtCliente", "Bianchi Anna"}},
                {{"txtCliente", "Rossi Mario"}},
                QStringLiteral("txtRiferimenti")};
    }
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

} // namespace WindowTestKit
