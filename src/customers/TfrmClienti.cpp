#include "TfrmClienti.h"

#include "ClientiRecord.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "services/TfrmAllegaCartella.h"
#include "shell/TMisc.h"
#include "shell/card/CardSection.h"

#include <QGridLayout>
#include <QLineEdit>

using namespace Clienti;

namespace {

const FieldOptions kRestricted(KeyRule::Restricted);
const FieldOptions kAttachment = FieldOptions().clearedOnDuplicate();

CommandSpec checkButton(const char *name, const char *hint)
{
    return {QLatin1StringView(name), QStringLiteral("dialog-ok-apply"), QStringLiteral("Controlla"),
            QString::fromUtf8(hint)};
}

} // namespace

AreaWindow *createTfrmClienti(QWidget *parent)
{
    return new TfrmClienti(parent);
}

TfrmClienti::TfrmClienti(QWidget *parent)
    : CardWindow(Config(Clienti::layout(), QLatin1StringView(Clienti::fileName()),
                        QStringLiteral(" Quadrivo - Anagrafica Clienti"), HelpPage::Clienti),
                 parent)
{
    setObjectName(QStringLiteral("TfrmClienti"));
    addCommands();
    addSections();
    for (int field = File01; field <= Desc03; ++field)
        addHiddenField(field, {}, kAttachment);
    addMandatory(Cognome,
                 QStringLiteral(
                     "Attenzione: per salvare la scheda \u00E8 necessario indicare il cognome del cliente."));
    addMandatory(
        Nome,
        QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome del cliente."));
    finishCard();
}

void TfrmClienti::addCommands()
{
    addCommand(CardCommand::Nuovo);
    addCommand(CardCommand::Duplica);
    addCommand(CardCommand::Salva);
    addCommandSeparator();
    addCommand(CardCommand::Trova);
    addCommand(CardCommand::Stampa);
    addCommand(CardCommand::Anteprima);
    addCommand(CardCommand::PDF);
    addCommand(CardCommand::Esporta);
    addCommandSeparator();
    addCommand(standardCommand(CardCommand::File), [this] { cmdFileClick(); });
    addCommand({QStringLiteral("cmdRicontatta"), QStringLiteral("view-list-details"),
                QStringLiteral("Da ricontattare"),
                QStringLiteral("Visualizza l'elenco dei Clienti da ricontattare.")});
    addCommandSeparator();
    addCommand(CardCommand::Guida);
    addCommand(CardCommand::Esci);
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

    addSection(QStringLiteral("Telefoni ed e-mail"), 1, 0)
        ->row()
        .edit(TelCasa, QStringLiteral("Tel. casa:"))
        .edit(TelUff, QStringLiteral("Tel. ufficio:"))
        .row()
        .edit(TelCel, QStringLiteral("Tel. cellulare:"))
        .row()
        .edit(Pec, QStringLiteral("Indirizzo PEC:"), {KeyRule::Restricted, TextRuleSets::Trim})
        .row()
        .edit(Email, QStringLiteral("E-mail:"), {KeyRule::Free, TextRuleSets::TrimAlsoOnLeave})
        .button({QStringLiteral("btnEmail"), QStringLiteral("mail-send"), QStringLiteral("Scrivi"),
                 QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
                [this] { btnEmailClick(); });

    const FieldOptions code{KeyRule::Restricted, TextRuleSets::TrimUpper};
    addSection(QStringLiteral("Dati fiscali e di pagamento"), 0, 1)
        ->row()
        .edit(CodFisc, QStringLiteral("Codice fiscale:"), code)
        .button(checkButton("btnCodFisc", "Controlla il codice fiscale."), [this] { btnCodFiscClick(); })
        .row()
        .edit(Carta, QStringLiteral("Carta di credito n."), KeyRule::Digits)
        .button(checkButton("btnCarta", "Controlla il numero di carta di credito."),
                [this] { btnCartaClick(); })
        .edit(ScadeCarta, QStringLiteral("Scadenza:"))
        .row()
        .edit(PartitaIva, QStringLiteral("Partita IVA:"), KeyRule::Digits)
        .button(checkButton("btnPartitaIva", "Controlla il numero di partita IVA."),
                [this] { btnPartitaIvaClick(); })
        .row()
        .edit(Iban, QStringLiteral("IBAN:"), code)
        .button(checkButton("btnIban", "Controlla l'IBAN."), [this] { btnIbanClick(); });

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

QString TfrmClienti::trimmedText(int field) const
{
    return TextField::trim(control<QLineEdit>(field)->text());
}

void TfrmClienti::btnEmailClick()
{
    TMisc::Open(TMisc::mailto(trimmedText(Email)));
}

void TfrmClienti::btnCodFiscClick()
{
    CheckWindows::openCodFiscOrPartitaIva(this, trimmedText(CodFisc));
}

void TfrmClienti::btnPartitaIvaClick()
{
    CheckWindows::openPartitaIva(this, trimmedText(PartitaIva));
}

void TfrmClienti::btnCartaClick()
{
    CheckWindows::openCarta(this, trimmedText(Carta));
}

void TfrmClienti::btnIbanClick()
{
    CheckWindows::openIban(this, trimmedText(Iban));
}

void TfrmClienti::cmdFileClick()
{
    TfrmAllegaCartella::run(this, QStringLiteral("clienti"));
}
