#include "ContactCard.h"

#include "CardAttachments.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "shell/TMisc.h"

#include <QLineEdit>

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

CommandSpec ContactCard::emailButton()
{
    return {QStringLiteral("btnEmail"), QStringLiteral("mail-send"), QStringLiteral("Scrivi"),
            QStringLiteral("Invia una e-mail all'indirizzo indicato.")};
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
