// The quote window's issuer and customer panels, and the terms and notes below the lines.
#include "QuoteWindowInput.h"
#include "TfrmPreventivi.h"
#include "shell/card/CardSection.h"

#include <QGridLayout>
#include <QLineEdit>

using namespace Preventivi;

namespace {

// Room for `chars` average characters of the field's font, plus its frame.
void fitChars(QWidget *field, int chars, int extra = 0)
{
    const QFontMetrics fm(field->font());
    field->setFixedWidth(fm.horizontalAdvance(QString(chars, u'0')) + 18 + extra);
}

void tighten(CardSection *section)
{
    if (auto *grid = qobject_cast<QGridLayout *>(section->layout())) {
        grid->setVerticalSpacing(6);
        grid->setContentsMargins(10, 6, 10, 8);
    }
}

} // namespace

QLineEdit *TfrmPreventivi::newEdit(Field field, QWidget *parent, const FieldOptions &options)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(controlName(field, QStringLiteral("txt")));
    bindField(field, edit, options);
    return edit;
}

void TfrmPreventivi::addHeaderSections()
{
    contentGrid()->setColumnStretch(0, 1);
    contentGrid()->setColumnStretch(1, 1);

    // The issuer's data carry over from one quote to the next: New leaves them alone.
    const FieldOptions issuer = FieldOptions().keptOnNew();
    const FieldOptions issuerUpper = FieldOptions(KeyRule::Free, TextRuleSets::Upper).keptOnNew();
    const FieldOptions issuerDigits = FieldOptions(KeyRule::Digits).keptOnNew();
    // Province fields upper-case as typed and also trim and upper-case when the user leaves them.
    const FieldOptions province{KeyRule::Free,
                                TextRule::UpperOnChange | TextRule::TrimOnLeave | TextRule::UpperOnLeave};

    // The sections bind each field as it is added: the order below is the Enter chain.
    auto *ditta = addSection(QStringLiteral("Ditta emittente"), 0, 0);
    tighten(ditta);
    ditta->row()
        .edit(txtDitta, QStringLiteral("Ditta emittente:"), issuer)
        .button({QStringLiteral("btnCancDitta"), QStringLiteral("edit-clear-all"), QStringLiteral("Cancella"),
                 QStringLiteral("Cancella i dati della Ditta emittente.")},
                [this] { btnCancDittaClick(); })
        .button({QStringLiteral("btnLogo"), QStringLiteral("insert-image"), QStringLiteral("Logo"),
                 QStringLiteral("Carica il logo della Ditta emittente.")},
                [this] { btnLogoClick(); })
        .row()
        .edit(txtViaDitta, QStringLiteral("Via e numero civico:"), issuer)
        .row()
        .edit(txtCapDitta, QStringLiteral("CAP:"), issuer)
        .edit(txtCittaDitta, QStringLiteral("Citt\u00E0:"), issuer)
        .province(txtProvDitta, QStringLiteral("Prov."), province.keptOnNew())
        .row()
        .edit(txtIvaDitta, QStringLiteral("Partita IVA:"), issuerDigits)
        .checkButton("btnIvaDitta", "Controlla il numero di partita IVA.", [this] { btnIvaDittaClick(); })
        .row()
        .edit(txtCodFiscDitta, QStringLiteral("Codice fiscale:"), issuerUpper)
        .checkButton("btnCodFiscDitta", "Controlla il codice fiscale.", [this] { btnCodFiscDittaClick(); })
        .row()
        .edit(txtLibero01, QStringLiteral("Campo libero 1:"), issuer)
        .row()
        .edit(txtLibero02, QStringLiteral("Campo libero 2:"), issuer);

    auto *cliente = addSection(QStringLiteral("Cliente e preventivo"), 0, 1);
    tighten(cliente);
    cliente->row()
        .edit(txtCliente, QStringLiteral("Cliente:"))
        .button({QStringLiteral("impCliente"), QStringLiteral("document-import"), QStringLiteral("Importa"),
                 QStringLiteral("Importa i dati del cliente dall'archivio anagrafico.")},
                {})
        .row()
        .edit(txtViaCliente, QStringLiteral("Via e numero civico:"))
        .row()
        .edit(txtCapCliente, QStringLiteral("CAP:"))
        .edit(txtCittaCliente, QStringLiteral("Citt\u00E0:"))
        .province(txtProvCliente, QStringLiteral("Prov."), province)
        .row()
        .edit(txtIvaCliente, QStringLiteral("Partita IVA:"), KeyRule::Digits)
        .checkButton("btnIvaCliente", "Controlla il numero di partita IVA.", [this] { btnIvaClienteClick(); })
        .row()
        .edit(txtCodFiscCliente, QStringLiteral("Codice fiscale:"), {KeyRule::Free, TextRuleSets::Upper})
        .checkButton("btnCodFiscCliente", "Controlla il codice fiscale.",
                     [this] { btnCodFiscClienteClick(); })
        .row()
        .edit(txtRiferimenti, QStringLiteral("Riferimenti:"))
        .row()
        .edit(txtNumFatt, QStringLiteral("Preventivo n."))
        .edit(txtData, QStringLiteral("Data emissione:"))
        .button({QStringLiteral("impOggi"), QStringLiteral("view-calendar-day"), QStringLiteral("Oggi"),
                 QStringLiteral("Inserisci la data corrente.")},
                [this] { impOggiClick(); });
    fitChars(control(txtCapDitta), 8);
    fitChars(control(txtCapCliente), 8);
    fitChars(control(txtProvDitta), 3, 28); // and the arrow
    fitChars(control(txtProvCliente), 3, 28);
    QFont strong = control(txtNumFatt)->font();
    strong.setBold(true);
    control(txtNumFatt)->setFont(strong);
    control(txtData)->setFont(strong);
    fitChars(control(txtData), 10);

    // Below the lines, but next in the Enter chain after the date.
    auto *terms = addSection(QStringLiteral("Pagamento e note"), 2, 0, 1, 2);
    tighten(terms);
    const FieldOptions kept = FieldOptions().keptOnNew();
    terms->row()
        .edit(txtPagamento, QStringLiteral("Pagamento:"), kept)
        .edit(txtBanca, QStringLiteral("Banca d'appoggio:"), kept)
        .edit(txtIban, QStringLiteral("IBAN:"),
              FieldOptions(KeyRule::Free, TextRuleSets::TrimUpper).keptOnNew())
        .row()
        .edit(txtNote, QStringLiteral("NOTE:"));
}
