#include "TfrmFornitori.h"

#include "FornitoriRecord.h"
#include "services/KindCard.h"
#include "shell/card/CardSection.h"

#include <QGridLayout>

using namespace Fornitori;

namespace {

const FieldOptions kCode{KeyRule::Free, TextRuleSets::TrimUpper};

} // namespace

AreaWindow *createTfrmFornitori(QWidget *parent)
{
    return new TfrmFornitori(parent);
}

TfrmFornitori::TfrmFornitori(QWidget *parent)
    : ContactCardOf(kindCardConfig(suppliersKind()),
                    {Email, CodFisc, Carta, ScadeCarta, PartitaIva, Iban, File01, Desc03},
                    QStringLiteral("fornitori"), parent)
{
    setObjectName(QStringLiteral("TfrmFornitori"));
    addCommands(QStringLiteral("Visualizza l'elenco dei fornitori da ricontattare."));
    addSections();
    addAttachmentFields();
    addMandatory(Ditta, QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare la "
                                       "denominazione della Ditta fornitrice."));
    finishCard();
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

    auto *phones = addSection(QStringLiteral("Telefoni, fax ed e-mail"), 1, 0);
    phones->row()
        .edit(TelCasa, QStringLiteral("Tel. casa:"))
        .edit(TelUff, QStringLiteral("Tel. ufficio:"))
        .row()
        .edit(TelCel, QStringLiteral("Tel. cellulare:"))
        .edit(Fax, QStringLiteral("Fax:"))
        .row();
    addEmail(phones);

    addFiscalRows(addSection(QStringLiteral("Dati fiscali e di pagamento"), 0, 1), kCode);

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
