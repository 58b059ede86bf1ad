// The quote window's issuer and customer panels, and the terms and notes below the lines.
#include "QuoteWindowInput.h"
#include "TfrmPreventivi.h"
#include "shell/card/CardFocus.h"
#include "shell/card/CardSection.h"
#include "shell/card/ProvinceCodes.h"

#include <QComboBox>
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

CommandSpec checkButton(const char *name, const char *hint)
{
    return {QLatin1StringView(name), QStringLiteral("dialog-ok-apply"), QStringLiteral("Controlla"),
            QString::fromUtf8(hint)};
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
    edit->setObjectName(recordLayout().name(field));
    bindField(field, edit, options);
    return edit;
}

QComboBox *TfrmPreventivi::newProvince(Field field, QWidget *parent, const FieldOptions &options)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(recordLayout().name(field));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr); // any two characters may be typed; the list only helps
    combo->setMaxVisibleItems(16);
    combo->addItems(ProvinceCodes::all());
    combo->setCurrentIndex(-1);
    bindField(field, combo, options);
    forgetSelectionOnFocus(combo);
    fitChars(combo, 3, 28);
    return combo;
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

    // Fields are bound as they are made, and the binding order is the Enter chain: each is made
    // where it appears in the chain (C++17 evaluates the chain of calls left to right).
    auto *ditta = addSection(QStringLiteral("Ditta emittente"), 0, 0);
    tighten(ditta);
    ditta->row()
        .widget(newEdit(txtDitta, ditta, issuer), QStringLiteral("Ditta emittente:"), 1)
        .button({QStringLiteral("btnCancDitta"), QStringLiteral("edit-clear-all"), QStringLiteral("Cancella"),
                 QStringLiteral("Cancella i dati della Ditta emittente.")},
                [this] { btnCancDittaClick(); })
        .button({QStringLiteral("btnLogo"), QStringLiteral("insert-image"), QStringLiteral("Logo"),
                 QStringLiteral("Carica il logo della Ditta emittente.")},
                [this] { btnLogoClick(); })
        .row()
        .widget(newEdit(txtViaDitta, ditta, issuer), QStringLiteral("Via e numero civico:"), 1)
        .row()
        .widget(newEdit(txtCapDitta, ditta, issuer), QStringLiteral("CAP:"))
        .widget(newEdit(txtCittaDitta, ditta, issuer), QStringLiteral("Citt\u00E0:"), 1)
        .widget(newProvince(txtProvDitta, ditta, province.keptOnNew()), QStringLiteral("Prov."))
        .row()
        .widget(newEdit(txtIvaDitta, ditta, issuerDigits), QStringLiteral("Partita IVA:"), 1)
        .button(checkButton("btnIvaDitta", "Controlla il numero di partita IVA."),
                [this] { btnIvaDittaClick(); })
        .row()
        .widget(newEdit(txtCodFiscDitta, ditta, issuerUpper), QStringLiteral("Codice fiscale:"), 1)
        .button(checkButton("btnCodFiscDitta", "Controlla il codice fiscale."),
                [this] { btnCodFiscDittaClick(); })
        .row()
        .widget(newEdit(txtLibero01, ditta, issuer), QStringLiteral("Campo libero 1:"), 1)
        .row()
        .widget(newEdit(txtLibero02, ditta, issuer), QStringLiteral("Campo libero 2:"), 1);

    auto *cliente = addSection(QStringLiteral("Cliente e preventivo"), 0, 1);
    tighten(cliente);
    cliente->row()
        .widget(newEdit(txtCliente, cliente), QStringLiteral("Cliente:"), 1)
        .button({QStringLiteral("impCliente"), QStringLiteral("document-import"), QStringLiteral("Importa"),
                 QStringLiteral("Importa i dati del cliente dall'archivio anagrafico.")},
                {})
        .row()
        .widget(newEdit(txtViaCliente, cliente), QStringLiteral("Via e numero civico:"), 1)
        .row()
        .widget(newEdit(txtCapCliente, cliente), QStringLiteral("CAP:"))
        .widget(newEdit(txtCittaCliente, cliente), QStringLiteral("Citt\u00E0:"), 1)
        .widget(newProvince(txtProvCliente, cliente, province), QStringLiteral("Prov."))
        .row()
        .widget(newEdit(txtIvaCliente, cliente, KeyRule::Digits), QStringLiteral("Partita IVA:"), 1)
        .button(checkButton("btnIvaCliente", "Controlla il numero di partita IVA."),
                [this] { btnIvaClienteClick(); })
        .row()
        .widget(newEdit(txtCodFiscCliente, cliente, {KeyRule::Free, TextRuleSets::Upper}),
                QStringLiteral("Codice fiscale:"), 1)
        .button(checkButton("btnCodFiscCliente", "Controlla il codice fiscale."),
                [this] { btnCodFiscClienteClick(); })
        .row()
        .widget(newEdit(txtRiferimenti, cliente), QStringLiteral("Riferimenti:"), 1)
        .row()
        .widget(newEdit(txtNumFatt, cliente), QStringLiteral("Preventivo n."), 1)
        .widget(newEdit(txtData, cliente), QStringLiteral("Data emissione:"))
        .button({QStringLiteral("impOggi"), QStringLiteral("view-calendar-day"), QStringLiteral("Oggi"),
                 QStringLiteral("Inserisci la data corrente.")},
                [this] { impOggiClick(); });
    fitChars(control(txtCapDitta), 8);
    fitChars(control(txtCapCliente), 8);
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
        .widget(newEdit(txtPagamento, terms, kept), QStringLiteral("Pagamento:"), 1)
        .widget(newEdit(txtBanca, terms, kept), QStringLiteral("Banca d'appoggio:"), 1)
        .widget(newEdit(txtIban, terms, FieldOptions(KeyRule::Free, TextRuleSets::TrimUpper).keptOnNew()),
                QStringLiteral("IBAN:"), 1)
        .row()
        .widget(newEdit(txtNote, terms), QStringLiteral("NOTE:"), 1);
}
