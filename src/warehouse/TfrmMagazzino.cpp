#include "TfrmMagazzino.h"

#include "ItemFigures.h"
#include "MagazzinoRecord.h"
#include "TfrmDatiPneumatici.h"
#include "TfrmGiacenza.h"
#include "core/TextField.h"
#include "services/CardAttachments.h"
#include "services/KindCard.h"
#include "shell/TMisc.h"
#include "shell/card/CardSection.h"
#include "shell/card/LeaveRule.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Magazzino;
using StockAdjustment::Direction;

namespace {

const QString kZero = QStringLiteral("0");
const QString kZeroAmount = QStringLiteral("0,00");
const FieldOptions kInteger =
    FieldOptions(KeyRule::Digits).withDefault(kZero).rewrittenOnLeave(ItemFigures::leaveInteger);
const FieldOptions kAmount =
    FieldOptions(KeyRule::DigitsComma).withDefault(kZeroAmount).rewrittenOnLeave(ItemFigures::leaveAmount);
const FieldOptions kAttachment = FieldOptions().clearedOnDuplicate();

const QString kBrandMissing =
    QStringLiteral("Attenzione: per poter effettuare una ricerca sul Web \u00E8 necessario "
                   "compilare il campo relativo alla marca dell'articolo.");
const QString kSearchFailed =
    QStringLiteral("Attenzione: il sistema non permette di collegarsi al motore di ricerca "
                   "di Google.\n\r\n\rAccertarsi che la propria connessione a Internet "
                   "funzioni correttamente.");

const CommandSpec kPneumatici = CommandSpec::of("btnPneumatici", "document-properties", "Altre informazioni",
                                                "Registra ulteriori informazioni sul prodotto corrente.");
const CommandSpec kImpFornitore = CommandSpec::of("impFornitore", "document-import", "Importa",
                                                  "Importa i dati del fornitore dall'archivio anagrafico.");
const CommandSpec kAggiungi =
    CommandSpec::of("btnAggiungi", "", "+", "Aggiorna la giacenza aggiungendo una certa quantit\u00E0.");
const CommandSpec kSottrai =
    CommandSpec::of("btnSottrai", "", "-", "Aggiorna la giacenza sottraendo una certa quantit\u00E0.");
const CommandSpec kValore = CommandSpec::of("btnValore", "accessories-calculator", "Calcola valore",
                                            "Calcola il valore totale della merce in magazzino moltiplicando "
                                            "il costo per la giacenza.");
const CommandSpec kCalcola = CommandSpec::of("btnCalcola", "accessories-calculator", "Calcola",
                                             "Calcola il prezzo IVA inclusa dell'articolo corrente in base "
                                             "all'aliquota indicata.");
const CommandSpec kScorpora = CommandSpec::of("btnScorpora", "accessories-calculator", "Scorpora",
                                              "Scorpora il prezzo lordo dell'articolo corrente calcolando "
                                              "l'imponibile in base all'aliquota IVA indicata.");

// Characters that would end the query or change its meaning in the address ("&" starts another
// parameter, "#" a fragment, "+" is a blank, "%" an escape). Everything else goes as typed.
QString queryText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'%':
            out += QStringLiteral("%25");
            break;
        case u'&':
            out += QStringLiteral("%26");
            break;
        case u'#':
            out += QStringLiteral("%23");
            break;
        case u'+':
            out += QStringLiteral("%2B");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

AreaWindow *createTfrmMagazzino(QWidget *parent)
{
    return new TfrmMagazzino(parent);
}

static CardWindow::Config magazzinoConfig()
{
    CardWindow::Config config = kindCardConfig(itemsKind());
    // This card reports every archive failure as a warning.
    config.accessKinds = AccessMessageKinds::all(MessageKind::Warning);
    return config;
}

TfrmMagazzino::TfrmMagazzino(QWidget *parent) : CardOf(magazzinoConfig(), parent)
{
    setObjectName(QStringLiteral("TfrmMagazzino"));
    addCommands();
    addSections();
    addHiddenFields();
    addMandatory(Codice, ItemFigures::missingCodeWarning());
    finishCard();
}

void TfrmMagazzino::addCommands()
{
    addEditingCommands();
    addArchiveCommands(PreviewCommand::Without);
    addCommand(standardCommand(CardCommand::File), [this] { cmdFileClick(); });
    addCommand(CommandSpec::of("cmdWeb", "internet-web-browser", "Cerca sul Web",
                               "Cerca sul Web, tramite Google, informazioni relative all'articolo corrente."),
               [this] { cmdWebClick(); });
    addCommand(CommandSpec::of("cmdSottoscorta", "view-list-details", "Sottoscorta",
                               "Visualizza l'elenco dei materiali in esaurimento."));
    addClosingCommands();
}

void TfrmMagazzino::addSections()
{
    contentGrid()->setColumnStretch(0, 1);
    contentGrid()->setColumnStretch(1, 1);

    // The sections are added in the order of the Enter ring, which follows the binding order.
    addSection(QStringLiteral("Prodotto"), 0, 0)
        ->row()
        .edit(Codice, QStringLiteral("Codice articolo:"))
        .row()
        .edit(Tipologia, QStringLiteral("Tipologia:"))
        .row()
        .edit(Marca, QStringLiteral("Marca:"))
        .row()
        .edit(Modello, QStringLiteral("Modello:"))
        .row()
        .edit(Descrizione, QStringLiteral("Descrizione:"))
        .row()
        .edit(Accessori, QStringLiteral("Accessori:"))
        .row()
        .stretch()
        .button(kPneumatici, [this] { btnPneumaticiClick(); });

    addSection(QStringLiteral("Fornitore e acquisto"), 1, 0)
        ->row()
        .edit(Fornitore, QStringLiteral("Fornitore:"))
        .button(kImpFornitore, {})
        .row()
        .edit(Recapiti, QStringLiteral("Telefono preferenziale:"))
        .row()
        .edit(Data, QStringLiteral("Data di acquisto:"))
        .row()
        .edit(Documento, QStringLiteral("Estremi documento di acquisto:"))
        .row()
        .edit(Ordine, QStringLiteral("Modalit\u00E0 di ordine merce:"));

    addSection(QStringLiteral("Giacenza e prezzi"), 0, 1)
        ->row()
        .edit(Giacenza, QStringLiteral("Giacenza:"), kInteger)
        .button(kAggiungi, [this] { btnAggiungiClick(); })
        .button(kSottrai, [this] { btnSottraiClick(); })
        .row()
        .edit(Sottoscorta, QStringLiteral("Avviso sottoscorta n."), kInteger)
        .widget(new QLabel(QStringLiteral("pezzi rimasti.")))
        .row()
        .edit(Costo, QStringLiteral("Costo:"), kAmount)
        .row()
        .edit(Valore, QStringLiteral("Valore (costo x giacenza):"), kAmount)
        .button(kValore, [this] { btnValoreClick(); })
        .row()
        .edit(Prezzo, QStringLiteral("Prezzo:"), kAmount)
        .edit(PercIva, QStringLiteral("Perc. IVA:"), kInteger)
        .widget(new QLabel(QStringLiteral("%")))
        .row()
        .edit(Prezzo_con_Iva, QStringLiteral("Prezzo con IVA:"), kAmount)
        .button(kCalcola, [this] { btnCalcolaClick(); })
        .button(kScorpora, [this] { btnScorporaClick(); });

    addSection(QStringLiteral("Collocazione e note"), 1, 1)
        ->row()
        .edit(Collocazione, QStringLiteral("Collocazione in magazzino:"))
        .row()
        .edit(Note, QStringLiteral("Note:"));

    for (int field : {Giacenza, Sottoscorta, Costo, Valore, Prezzo, PercIva, Prezzo_con_Iva})
        edit(field)->setAlignment(Qt::AlignRight);
    // "+" and "-" are words of one sign: square, bold buttons rather than slivers.
    for (const char *name : {"btnAggiungi", "btnSottrai"}) {
        auto *button = findChild<QToolButton *>(QLatin1StringView(name));
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        button->setMinimumWidth(button->sizeHint().height() + 8);
    }
    contentGrid()->setRowStretch(2, 1);
}

void TfrmMagazzino::addHiddenFields()
{
    // The extra data keep the names of the labels other windows know them by.
    addHiddenField(Altezza, QStringLiteral("memConsumo"));
    addHiddenField(Larghezza, QStringLiteral("memAderenza"));
    addHiddenField(Lunghezza, QStringLiteral("memRumore"));
    addHiddenField(Scadenza, QStringLiteral("memOnde"));
    // Attachments and the attached folder belong to the card they were given to: a duplicate
    // starts without them.
    for (Field field : FieldRun(File01, CartellaDesc))
        addHiddenField(field, {}, kAttachment);
}

QLineEdit *TfrmMagazzino::edit(int field) const
{
    return control<QLineEdit>(field);
}

QString TfrmMagazzino::text(int field) const
{
    return CardBindings::text(control(field));
}

void TfrmMagazzino::setText(int field, const QString &text)
{
    CardBindings::setText(control(field), text);
}

void TfrmMagazzino::focusField(const QString &objectName)
{
    if (objectName.isEmpty())
        return;
    if (auto *w = findChild<QWidget *>(objectName))
        w->setFocus(Qt::OtherFocusReason);
}

bool TfrmMagazzino::validateSave()
{
    const ItemFigures::SaveOutcome out =
        ItemFigures::prepareSave({text(Codice), text(Giacenza), text(Sottoscorta), text(Costo), text(Valore),
                                  text(Prezzo), text(PercIva), text(Prezzo_con_Iva)});
    // What the steps that ran did shows on the card, whether the card is then written or not.
    setText(Giacenza, out.card.giacenza);
    setText(Sottoscorta, out.card.sottoscorta);
    setText(Costo, out.card.costo);
    setText(Valore, out.card.valore);
    setText(Prezzo, out.card.prezzo);
    setText(PercIva, out.card.percIva);
    setText(Prezzo_con_Iva, out.card.prezzoConIva);
    switch (out.verdict) {
    case ItemFigures::SaveVerdict::Write:
        return true;
    case ItemFigures::SaveVerdict::AccessFailure:
        showArchiveAccessMessage(CardOp::Save);
        return false;
    case ItemFigures::SaveVerdict::MissingCode:
    case ItemFigures::SaveVerdict::InvalidPrices:
        notify(MessageKind::Warning, out.warning);
        focusField(out.focus);
        return false;
    }
    return false;
}

QString TfrmMagazzino::webAddress(const QString &brand, const QString &model)
{
    return QStringLiteral("https://www.google.com/search?q=") + queryText(brand) + u' ' + queryText(model);
}

void TfrmMagazzino::cmdWebClick()
{
    const QString brand = TextField::trim(text(Marca));
    if (brand.isEmpty()) {
        notify(MessageKind::Warning, kBrandMissing);
        edit(Marca)->setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        TMisc::Open(u'"' + webAddress(brand, TextField::trim(text(Modello))) + u'"');
    } catch (...) {
        notify(MessageKind::Warning, kSearchFailed);
    }
}

void TfrmMagazzino::adjustStock(Direction direction)
{
    LeaveRule::settle(this);
    const StockAdjustment::Opening opening = StockAdjustment::opening(text(Giacenza));
    setText(Giacenza, opening.cardStock);
    if (const std::optional<QString> stock = TfrmGiacenza::adjust(this, direction, opening.cardStock))
        setText(Giacenza, *stock);
}

void TfrmMagazzino::btnAggiungiClick()
{
    adjustStock(Direction::Add);
}

void TfrmMagazzino::btnSottraiClick()
{
    adjustStock(Direction::Subtract);
}

void TfrmMagazzino::recalculatePrices(PricesRule rule)
{
    // The figures the user sees after leaving the field being typed, as a click elsewhere gives.
    LeaveRule::settle(this);
    const ItemFigures::PricesOutcome out = rule({text(Prezzo), text(PercIva), text(Prezzo_con_Iva)});
    setText(Prezzo, out.prices.prezzo);
    setText(PercIva, out.prices.percIva);
    setText(Prezzo_con_Iva, out.prices.prezzoConIva);
    if (!out.warning.isEmpty()) {
        notify(MessageKind::Warning, out.warning);
        edit(Prezzo_con_Iva)->setFocus(Qt::OtherFocusReason);
    }
}

void TfrmMagazzino::btnCalcolaClick()
{
    recalculatePrices(ItemFigures::calcola);
}

void TfrmMagazzino::btnScorporaClick()
{
    recalculatePrices(ItemFigures::scorpora);
}

void TfrmMagazzino::btnValoreClick()
{
    LeaveRule::settle(this);
    const ItemFigures::StockValue value =
        ItemFigures::calcolaValore({text(Costo), text(Giacenza), text(Valore)});
    setText(Costo, value.costo);
    setText(Giacenza, value.giacenza);
    setText(Valore, value.valore);
}

void TfrmMagazzino::btnPneumaticiClick()
{
    DatiPneumatici data{text(Altezza), text(Larghezza), text(Lunghezza), text(Scadenza)};
    if (!TfrmDatiPneumatici::edit(this, data))
        return;
    setText(Altezza, data.memConsumo);
    setText(Larghezza, data.memAderenza);
    setText(Lunghezza, data.memRumore);
    setText(Scadenza, data.memOnde);
}

void TfrmMagazzino::cmdFileClick()
{
    editCardAttachments(*this, QStringLiteral("magazzino"), File01);
}
