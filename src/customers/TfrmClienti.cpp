#include "TfrmClienti.h"

#include "ClientiRecord.h"
#include "services/KindCard.h"
#include "shell/card/CardSection.h"

#include <QGridLayout>

using namespace Clienti;

namespace {

const FieldOptions kRestricted(KeyRule::Restricted);

} // namespace

AreaWindow *createTfrmClienti(QWidget *parent)
{
    return new TfrmClienti(parent);
}

TfrmClienti::TfrmClienti(QWidget *parent)
    : ContactCardOf(kindCardConfig(customersKind()),
                    {Email, CodFisc, Carta, ScadeCarta, PartitaIva, Iban, File01, Desc03},
                    QStringLiteral("clienti"), parent)
{
    setObjectName(QStringLiteral("TfrmClienti"));
    addCommands(QStringLiteral("Visualizza l'elenco dei Clienti da ricontattare."));
    addSections();
    addAttachmentFields();
    addMandatory(Cognome,
                 QStringLiteral(
                     "Attenzione: per salvare la scheda \u00E8 necessario indicare il cognome del cliente."));
    addMandatory(
        Nome,
        QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del cliente."));
    finishCard();
}

void TfrmClienti::addSections()
{
    contentGrid()->setColumnStretch(0, 1);
    contentGrid()->setColumnStretch(1, 1);

    addSection(QStringLiteral("Dati anagrafici e residenza"), 0, 0)
        ->row()
        .edit(Cognome, QStringLiteral("Cognome:"), kRestricted)
        .edit(Nome, QStringLiteral("Nome:"), kRestricted)
        .row()
        .edit(Ditta, QStringLiteral("Denominazione Ditta:"), KeyRule::RestrictedAmpersand)
        .edit(Sesso, QStringLiteral("Sesso:"), {KeyRule::Free, TextRuleSets::Upper})
        .row()
        .edit(Recapito, QStringLiteral("Telefono preferenziale:"), kRestricted)
        .row()
        .edit(IndirizzoRes, QStringLiteral("Residente in Via / Piazza e numero civico:"), kRestricted)
        .row()
        .province(ProvRes, QStringLiteral("Prov."), {KeyRule::Restricted, TextRuleSets::TrimUpperAlsoOnLeave})
        .edit(ComuneRes, QStringLiteral("Comune di residenza:"), kRestricted)
        .edit(CapRes, QStringLiteral("CAP:"), {KeyRule::Digits, TextRuleSets::TrimUpper})
        .row()
        .edit(DataNasc, QStringLiteral("Data di nascita:"))
        .edit(ComuneNasc, QStringLiteral("Comune di nascita:"))
        .province(ProvNasc, QStringLiteral("Prov."), {KeyRule::Free, TextRuleSets::TrimUpperAlsoOnLeave});

    auto *phones = addSection(QStringLiteral("Telefoni ed e-mail"), 1, 0);
    phones->row()
        .edit(TelCasa, QStringLiteral("Tel. casa:"))
        .edit(TelUff, QStringLiteral("Tel. ufficio:"))
        .row()
        .edit(TelCel, QStringLiteral("Tel. cellulare:"))
        .row()
        .edit(Pec, QStringLiteral("Indirizzo PEC:"), {KeyRule::Restricted, TextRuleSets::Trim})
        .row();
    addEmail(phones);

    const FieldOptions code{KeyRule::Restricted, TextRuleSets::TrimUpper};
    addFiscalRows(addSection(QStringLiteral("Dati fiscali e di pagamento"), 0, 1), code);

    addSection(QStringLiteral("Documento di riconoscimento e interessi"), 1, 1)
        ->row()
        .edit(TipoPat, QStringLiteral("Tipo documento:"))
        .edit(NumPat, QStringLiteral("Numero:"))
        .row()
        .edit(EnteRil, QStringLiteral("Ente di rilascio:"))
        .row()
        .edit(DataRil, QStringLiteral("Data di rilascio:"))
        .edit(DataSca, QStringLiteral("Data di scadenza:"))
        .row()
        .edit(Conducente, QStringLiteral("Prodotti e servizi di interesse:"));

    addSection(QStringLiteral("Questioni in sospeso e note"), 2, 0, 1, 2)
        ->row()
        .edit(Questioni, QStringLiteral("Questioni in sospeso:"))
        .check(Ricontatta, QStringLiteral("Da ricontattare"),
               QStringLiteral("Annota che il cliente \u00E8 da ricontattare per questioni in sospeso."))
        .row()
        .edit(Note, QStringLiteral("Note:"))
        .row()
        .edit(CodiceDest, QStringLiteral("Codice Destinatario (7 caratteri):"), code);
}
