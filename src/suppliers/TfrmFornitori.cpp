#include "TfrmFornitori.h"

#include "FornitoriRecord.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "services/TfrmAllegaCartella.h"
#include "shell/TMisc.h"
#include "shell/card/CardSection.h"

#include <QGridLayout>
#include <QLineEdit>

using namespace Fornitori;

namespace {

const FieldOptions kAttachment = FieldOptions().clearedOnDuplicate();
const FieldOptions kCode{KeyRule::Free, TextRuleSets::TrimUpper};

CommandSpec checkButton(const char *name, const char *hint)
{
    return {QLatin1StringView(name), QStringLiteral("dialog-ok-apply"), QStringLiteral("Controlla"),
            QString::fromUtf8(hint)};
}

} // namespace

AreaWindow *createTfrmFornitori(QWidget *parent)
{
    return new TfrmFornitori(parent);
}

TfrmFornitori::TfrmFornitori(QWidget *parent)
    : CardWindow(Config(Fornitori::layout(), QLatin1StringView(Fornitori::fileName()),
                        QStringLiteral(" Quadrivo - Anagrafica Fornitori"), HelpPage::Fornitori),
                 parent)
{
    setObjectName(QStringLiteral("TfrmFornitori"));
    addCommands();
    addSections();
    for (int field = File01; field <= Desc03; ++field)
        addHiddenField(field, {}, kAttachment);
    addMandatory(Ditta, QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la "
                                       "denominazione della Ditta fornitrice."));
    finishCard();
}

void TfrmFornitori::addCommands()
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
                QStringLiteral("Visualizza l'elenco dei fornitori da ricontattare.")});
    addCommandSeparator();
    addCommand(CardCommand::Guida);
    addCommand(CardCommand::Esci);
}

void TfrmFornitori::addSections()
{
    contentGrid()->setColumnStretch(0, 1);
    contentGrid()->setColumnStretch(1, 1);

    addSection(QStringLiteral("Ditta, indirizzo e pagamento"), 0, 0)
        ->row()
        .edit(Ditta, QStringLiteral("Denominazione Ditta:"))
        .row()
        .edit(Titolare, QStringLiteral("Titolare o responsabile:"))
        .row()
        .edit(Recapito, QStringLiteral("Telefono preferenziale:"))
        .row()
        .edit(IndirizzoRes, QStringLiteral("Via / Piazza e numero civico:"))
        .row()
        .province(ProvRes, QStringLiteral("Prov."), {KeyRule::Free, TextRuleSets::TrimUpperAlsoOnLeave})
        .edit(ComuneRes, QStringLiteral("Citt\u00E0:"))
        .edit(CapRes, QStringLiteral("CAP:"))
        .row()
        .edit(Pagamento, QStringLiteral("Modalit\u00E0 di pagamento:"));

    addSection(QStringLiteral("Telefoni, fax ed e-mail"), 1, 0)
        ->row()
        .edit(TelCasa, QStringLiteral("Tel. casa:"))
        .edit(TelUff, QStringLiteral("Tel. ufficio:"))
        .row()
        .edit(TelCel, QStringLiteral("Tel. cellulare:"))
        .edit(Fax, QStringLiteral("Fax:"))
        .row()
        .edit(Email, QStringLiteral("E-mail:"), {KeyRule::Free, TextRuleSets::TrimAlsoOnLeave})
        .button({QStringLiteral("btnEmail"), QStringLiteral("mail-send"), QStringLiteral("Scrivi"),
                 QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
                [this] { btnEmailClick(); });

    addSection(QStringLiteral("Dati fiscali e di pagamento"), 0, 1)
        ->row()
        .edit(CodFisc, QStringLiteral("Codice fiscale:"), kCode)
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
        .edit(Iban, QStringLiteral("IBAN:"), kCode)
        .button(checkButton("btnIban", "Controlla l'IBAN."), [this] { btnIbanClick(); });

    addSection(QStringLiteral("Articoli, offerte e ordini"), 1, 1)
        ->row()
        .edit(Articoli, QStringLiteral("Articoli forniti:"))
        .row()
        .edit(Offerte, QStringLiteral("Offerte e sconti:"))
        .row()
        .edit(Ordine, QStringLiteral("Modalit\u00E0 di ordine merce:"));

    addSection(QStringLiteral("Questioni in sospeso e note"), 2, 0, 1, 2)
        ->row()
        .edit(Questioni, QStringLiteral("Questioni in sospeso:"))
        .check(Ricontatta, QStringLiteral("Da ricontattare"),
               QStringLiteral("Annota che il fornitore \u00E8 da ricontattare per questioni in sospeso."))
        .row()
        .edit(Note, QStringLiteral("Note:"));
}

QString TfrmFornitori::trimmedText(int field) const
{
    return TextField::trim(control<QLineEdit>(field)->text());
}

void TfrmFornitori::btnEmailClick()
{
    TMisc::Open(TMisc::mailto(trimmedText(Email)));
}

void TfrmFornitori::btnCodFiscClick()
{
    CheckWindows::openCodFiscOrPartitaIva(this, trimmedText(CodFisc));
}

void TfrmFornitori::btnPartitaIvaClick()
{
    CheckWindows::openPartitaIva(this, trimmedText(PartitaIva));
}

void TfrmFornitori::btnCartaClick()
{
    CheckWindows::openCarta(this, trimmedText(Carta));
}

void TfrmFornitori::btnIbanClick()
{
    CheckWindows::openIban(this, trimmedText(Iban));
}

void TfrmFornitori::cmdFileClick()
{
    TfrmAllegaCartella::run(this, QStringLiteral("fornitori"));
}
