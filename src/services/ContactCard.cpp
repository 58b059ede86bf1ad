#include "ContactCard.h"

#include "CardAttachments.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "shell/TMisc.h"
#include "shell/card/CardSection.h"

#include <QLineEdit>

namespace {

CommandSpec checkButton(const char *name, const char *hint)
{
    return {QLatin1StringView(name), QStringLiteral("dialog-ok-apply"), QStringLiteral("Controlla"),
            QString::fromUtf8(hint)};
}

} // namespace

ContactCard::ContactCard(const Config &config, const Fields &fields, const QString &attachmentMode,
                         QWidget *parent)
    : CardWindow(config, parent), m_fields(fields), m_attachmentMode(attachmentMode)
{
}

void ContactCard::addCommands(const QString &recallHint)
{
    addEditingCommands();
    addArchiveCommands(PreviewCommand::With);
    addCommand(standardCommand(CardCommand::File), [this] { cmdFileClick(); });
    addCommand({QStringLiteral("cmdRicontatta"), QStringLiteral("view-list-details"),
                QStringLiteral("Da ricontattare"), recallHint});
    addClosingCommands();
}

void ContactCard::addEmail(CardSection *section)
{
    section->edit(m_fields.email, QStringLiteral("E-mail:"), {KeyRule::Free, TextRuleSets::TrimAlsoOnLeave})
        .button({QStringLiteral("btnEmail"), QStringLiteral("mail-send"), QStringLiteral("Scrivi"),
                 QStringLiteral("Invia una e-mail all'indirizzo indicato.")},
                [this] { btnEmailClick(); });
}

void ContactCard::addFiscalRows(CardSection *section, const FieldOptions &codeOptions)
{
    section->row()
        .edit(m_fields.codFisc, QStringLiteral("Codice fiscale:"), codeOptions)
        .button(checkButton("btnCodFisc", "Controlla il codice fiscale."), [this] { btnCodFiscClick(); })
        .row()
        .edit(m_fields.carta, QStringLiteral("Carta di credito n."), KeyRule::Digits)
        .button(checkButton("btnCarta", "Controlla il numero di carta di credito."),
                [this] { btnCartaClick(); })
        .edit(m_fields.scadeCarta, QStringLiteral("Scadenza:"))
        .row()
        .edit(m_fields.partitaIva, QStringLiteral("Partita IVA:"), KeyRule::Digits)
        .button(checkButton("btnPartitaIva", "Controlla il numero di partita IVA."),
                [this] { btnPartitaIvaClick(); })
        .row()
        .edit(m_fields.iban, QStringLiteral("IBAN:"), codeOptions)
        .button(checkButton("btnIban", "Controlla l'IBAN."), [this] { btnIbanClick(); });
}

void ContactCard::addAttachmentFields()
{
    // They belong to the card they were given to: a duplicate starts without them.
    for (int field = m_fields.firstAttachment; field <= m_fields.lastAttachment; ++field)
        addHiddenField(field, {}, FieldOptions().clearedOnDuplicate());
}

QString ContactCard::trimmedText(int field) const
{
    return TextField::trim(control<QLineEdit>(field)->text());
}

void ContactCard::btnEmailClick()
{
    TMisc::Open(TMisc::mailto(trimmedText(m_fields.email)));
}

void ContactCard::btnCodFiscClick()
{
    CheckWindows::openCodFiscOrPartitaIva(this, trimmedText(m_fields.codFisc));
}

void ContactCard::btnPartitaIvaClick()
{
    CheckWindows::openPartitaIva(this, trimmedText(m_fields.partitaIva));
}

void ContactCard::btnCartaClick()
{
    CheckWindows::openCarta(this, trimmedText(m_fields.carta));
}

void ContactCard::btnIbanClick()
{
    CheckWindows::openIban(this, trimmedText(m_fields.iban));
}

void ContactCard::cmdFileClick()
{
    editCardAttachments(*this, m_attachmentMode, m_fields.firstAttachment);
}
