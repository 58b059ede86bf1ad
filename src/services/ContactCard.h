#pragma once

#include "shell/card/CardOf.h"
#include "shell/card/CardWindow.h"

// What the customer and supplier cards share: the command bar, the e-mail button, the fiscal and
// payment rows with their check buttons, and the three attachments. Each card names its fields
// (ContactCardOf).
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
    static CommandSpec emailButton();

private:
    QString trimmedText(int field) const;

    Fields m_fields;
    QString m_attachmentMode;
};

// A contact card of one record type, laid out with that record's handles.
template <FieldHandle F> class ContactCardOf : public CardOf<F, ContactCard>
{
public:
    struct Fields
    {
        F email, codFisc, carta, scadeCarta, partitaIva, iban;
        F firstAttachment, lastAttachment; // File01 ... Desc03
    };

    ContactCardOf(const CardWindow::Config &config, const Fields &fields, const QString &attachmentMode,
                  QWidget *parent = nullptr)
        : CardOf<F, ContactCard>(config,
                                 ContactCard::Fields{fields.email, fields.codFisc, fields.carta,
                                                     fields.scadeCarta, fields.partitaIva, fields.iban,
                                                     fields.firstAttachment, fields.lastAttachment},
                                 attachmentMode, parent),
          m_fields(fields)
    {
    }

protected:
    // The e-mail edit and its button, on the section's current line.
    void addEmail(CardSectionOf<F> *section)
    {
        section
            ->edit(m_fields.email, QStringLiteral("E-mail:"), {KeyRule::Free, TextRuleSets::TrimAlsoOnLeave})
            .button(ContactCard::emailButton(), [this] { this->btnEmailClick(); });
    }
    // Tax code, card number and expiry, VAT number and IBAN, each with its check button; codes
    // (tax code, IBAN) take `codeOptions`.
    void addFiscalRows(CardSectionOf<F> *section, const FieldOptions &codeOptions)
    {
        section->row()
            .edit(m_fields.codFisc, QStringLiteral("Codice fiscale:"), codeOptions)
            .checkButton("btnCodFisc", "Controlla il codice fiscale.", [this] { this->btnCodFiscClick(); })
            .row()
            .edit(m_fields.carta, QStringLiteral("Carta di credito n."), KeyRule::Digits)
            .checkButton("btnCarta", "Controlla il numero di carta di credito.",
                         [this] { this->btnCartaClick(); })
            .edit(m_fields.scadeCarta, QStringLiteral("Scadenza:"))
            .row()
            .edit(m_fields.partitaIva, QStringLiteral("Partita IVA:"), KeyRule::Digits)
            .checkButton("btnPartitaIva", "Controlla il numero di partita IVA.",
                         [this] { this->btnPartitaIvaClick(); })
            .row()
            .edit(m_fields.iban, QStringLiteral("IBAN:"), codeOptions)
            .checkButton("btnIban", "Controlla l'IBAN.", [this] { this->btnIbanClick(); });
    }
    void addAttachmentFields()
    {
        // They belong to the card they were given to: a duplicate starts without them.
        for (F field : FieldRun(m_fields.firstAttachment, m_fields.lastAttachment))
            this->addHiddenField(field, {}, FieldOptions().clearedOnDuplicate());
    }

private:
    Fields m_fields;
};
