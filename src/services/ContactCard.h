#pragma once

#include "shell/card/CardWindow.h"

class CardSection;

// What the customer and supplier cards share: the command bar, the e-mail button, the fiscal and
// payment rows with their check buttons, and the three attachments. Each card names its fields.
class ContactCard : public CardWindow
{
    Q_OBJECT
public:
    struct Fields
    {
        int email, codFisc, carta, scadeCarta, partitaIva, iban;
        int firstAttachment, lastAttachment; // File01 ... Desc03
    };

    // `attachmentMode` is the attachment window's mode ("clienti", "fornitori").
    ContactCard(const Config &config, const Fields &fields, const QString &attachmentMode,
                QWidget *parent = nullptr);

public Q_SLOTS:
    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnCartaClick();
    void btnIbanClick();
    void cmdFileClick();

protected:
    // New, Duplicate, Save; search, print, preview, PDF, export; attachments and the call-back list
    // (its hint names the card's people); help and exit.
    void addCommands(const QString &recallHint);
    // The e-mail edit and its button, on the section's current line.
    void addEmail(CardSection *section);
    // Tax code, card number and expiry, VAT number and IBAN, each with its check button; codes
    // (tax code, IBAN) take `codeOptions`.
    void addFiscalRows(CardSection *section, const FieldOptions &codeOptions);
    void addAttachmentFields();

private:
    QString trimmedText(int field) const;

    Fields m_fields;
    QString m_attachmentMode;
};
