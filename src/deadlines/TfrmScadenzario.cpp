// The deadline card: the fields of one record of the open year's file, its save checks, and the
// switch between the start panel and the card.
#include "TfrmScadenzario.h"

#include "ScadenzarioRecord.h"
#include "ScadenzarioRules.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "services/KindCard.h"
#include "shell/ShellLook.h"
#include "shell/card/CardSection.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

using namespace Scadenzario;

namespace {

CardWindow::Config cardConfig()
{
    CardWindow::Config config = kindCardConfig(deadlinesKind());
    config.insertedMessage = QStringLiteral("La scheda corrente \u00E8 stata salvata in archivio.");
    return config;
}

// New's text and Duplicate's reset come from the rules, one definition for both.
FieldOptions optionsFor(int field, FieldOptions options = {})
{
    options.defaultText = ScadenzarioRules::newText(field);
    options.clearOnDuplicate = ScadenzarioRules::resetByDuplicate(field);
    return options;
}

} // namespace

AreaWindow *createTfrmScadenzario(QWidget *parent)
{
    return new TfrmScadenzario(parent);
}

TfrmScadenzario::TfrmScadenzario(QWidget *parent) : CardOf(cardConfig(), parent)
{
    setObjectName(QStringLiteral("TfrmScadenzario"));
    lblFile = new QLabel(content());
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    addCommands();
    addSections();
    addStartPanel();
    finishCard();
}

QString TfrmScadenzario::archivePath() const
{
    return lblFile->text();
}

QString TfrmScadenzario::openYear() const
{
    return m_openYear;
}

void TfrmScadenzario::clearCard()
{
    CardWindow::clearCard();
    lblAnno->setText(m_openYear);
}

void TfrmScadenzario::afterLoad()
{
    // The record's year as it is in the file, even where it differs from the open year: the next
    // save writes the open year.
    lblAnno->setText(buffer().text(Anno));
}

void TfrmScadenzario::afterDuplicate()
{
    lblAnno->setText(m_openYear);
}

QString TfrmScadenzario::shownText(int field) const
{
    return field == Anno ? openYear() : CardWindow::shownText(field);
}

bool TfrmScadenzario::startPanelShown() const
{
    return !panAvvio->isHidden();
}

void TfrmScadenzario::addCommands()
{
    addEditingCommands();
    addCommand(CardCommand::Trova);
    addCommand({QStringLiteral("cmdImporta"), QStringLiteral("document-print-preview"),
                QStringLiteral("Anteprima"), QStringLiteral("Visualizza l'anteprima di stampa.")});
    addCommand(CardCommand::Stampa);
    addCommand(CardCommand::Esporta);
    addCommandSeparator();
    addCommand({QStringLiteral("cmdDaConfermare"), QStringLiteral("view-calendar-upcoming-events"),
                QStringLiteral("Da confermare"),
                QStringLiteral("Visualizza l'elenco degli appuntamenti in attesa di conferma.")});
    addCommand({QStringLiteral("cmdDaEffettuare"), QStringLiteral("view-task"),
                QStringLiteral("Da effettuare"),
                QStringLiteral("Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non.")});
    addCommand({QStringLiteral("cmdEffettuate"), QStringLiteral("task-complete"),
                QStringLiteral("Effettuati"),
                QStringLiteral("Visualizza il riepilogo storico dei pagamenti effettuati.")});
    addClosingCommands();
}

// The first line of the card: the date with the year in large type, the time, the notice.
void TfrmScadenzario::addDateAndTime()
{
    lblAnno = new QLabel;
    lblAnno->setObjectName(QStringLiteral("lblAnno"));
    QFont yearFont = font();
    yearFont.setPointSizeF(yearFont.pointSizeF() * 2.2);
    yearFont.setBold(true);
    lblAnno->setFont(yearFont);
    ShellLook::setTextColour(lblAnno, ShellLook::Palette::navy);
    lblAnno->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    auto *date = addSection(QStringLiteral(" Data scadenza: "), 0, 0);
    date->captionedRow(12)
        .list(Giorno, QStringLiteral("Giorno:"), ScadenzarioRules::days(), 2, optionsFor(Giorno))
        .list(Mese, QStringLiteral("Mese:"), ScadenzarioRules::months(), 9, optionsFor(Mese))
        .tall(lblAnno);

    auto *colon = new QLabel(QStringLiteral(":"));
    auto *time = addSection(QStringLiteral(" Ora appuntamento: "), 0, 0);
    time->captionedRow(6)
        .list(OreApp, QStringLiteral("Ore:"), ScadenzarioRules::hours(), 2, optionsFor(OreApp))
        .widget(colon)
        .list(MinutiApp, QStringLiteral("Minuti:"), ScadenzarioRules::minutes(), 2, optionsFor(MinutiApp));

    // The notice sits on the line of the lists, in a frame of the same height.
    auto *notice = addSection(QStringLiteral(" Preavviso: "), 0, 1);
    notice->centred()
        .row()
        .edit(Avviso, QStringLiteral("Avvisa n."), optionsFor(Avviso, KeyRule::Digits))
        .words(QStringLiteral("giorni prima della scadenza."));
    QWidget *avviso = control(Avviso);
    avviso->setFixedWidth(avviso->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);

    auto *line = new QHBoxLayout;
    line->setSpacing(16);
    for (auto [section, stretch] : {std::pair<CardSection *, int>{date, 3}, {time, 2}}) {
        contentGrid()->removeWidget(section);
        line->addWidget(section, stretch);
    }
    contentGrid()->addLayout(line, 0, 0);
}

void TfrmScadenzario::addSections()
{
    contentGrid()->setColumnStretch(0, 1);
    contentGrid()->setColumnStretch(1, 1);
    addDateAndTime();

    auto *contact = addSection(QStringLiteral("Contatto"), 1, 0);
    contact->row()
        .edit(Pagatore, QStringLiteral("Cognome e nome contatto:"), optionsFor(Pagatore))
        .button({QStringLiteral("impPag"), QStringLiteral("document-import"), QStringLiteral("Importa"),
                 QStringLiteral("Importa i dati dall'archivio dei clienti.")},
                {})
        .row()
        .edit(CodFisc, QStringLiteral("Codice fiscale:"),
              optionsFor(CodFisc, {KeyRule::Free, TextRuleSets::TrimUpper}))
        .checkButton("btnCodFisc", "Controlla il codice fiscale.", [this] { btnCodFiscClick(); })
        .row()
        .edit(NumTessera, QStringLiteral("Comune di residenza:"), optionsFor(NumTessera))
        .row()
        .edit(Carica, QStringLiteral("Questioni in sospeso:"), optionsFor(Carica))
        .row()
        .edit(TelCel, QStringLiteral("Tel. cellulare:"), optionsFor(TelCel))
        .row()
        .edit(Recapito, QStringLiteral("Tel. preferenziale:"), optionsFor(Recapito))
        .row()
        .edit(Anticipi, QStringLiteral("Operatore telefonico:"), optionsFor(Anticipi));

    auto *appointment = addSection(QStringLiteral("Appuntamento"), 1, 1);
    appointment->row()
        .edit(Complessivo, QStringLiteral("Luogo appuntamento:"), optionsFor(Complessivo))
        .row()
        .edit(Rateazione, QStringLiteral("Durata prevista:"), optionsFor(Rateazione))
        .row()
        .edit(Beneficiario, QStringLiteral("Agente incaricato:"), optionsFor(Beneficiario))
        .row()
        .check(DaConfermare, QStringLiteral("Appuntamento da confermare"),
               QStringLiteral("Spunta questa casella per annotare che l'appuntamento \u00E8 in attesa di "
                              "conferma."));

    auto *payment = addSection(QStringLiteral("Scadenza e pagamento"), 1, 1);
    payment->row()
        .edit(Dettagli, QStringLiteral("Causale scadenza:"), optionsFor(Dettagli))
        .row()
        .edit(Officina, QStringLiteral("Modalit\u00E0 di pagamento:"), optionsFor(Officina))
        .row()
        .edit(Costo, QStringLiteral("Importo in euro:"),
              optionsFor(Costo, KeyRule::DigitsComma).rewrittenOnLeave(ScadenzarioRules::amountOnLeave))
        .check(Effettuata, QStringLiteral("Pagamento effettuato"),
               QStringLiteral("Spunta questa casella per annotare che il pagamento \u00E8 stata effettuato."))
        .row()
        .edit(Contatto, QStringLiteral("Estremi ricevuta:"), optionsFor(Contatto));

    auto *notes = addSection(QStringLiteral("Note"), 1, 0);
    notes->row().edit(Note, QStringLiteral("Note:"), optionsFor(Note));

    // Two columns of sections, each at its natural height: the contact's seven lines beside the
    // appointment and the payment.
    for (const auto &[column, sections] : {std::pair{0, std::vector<CardSection *>{contact, notes}},
                                           std::pair{1, std::vector<CardSection *>{appointment, payment}}}) {
        auto *stack = new QVBoxLayout;
        stack->setSpacing(contentGrid()->verticalSpacing());
        for (CardSection *section : sections) {
            contentGrid()->removeWidget(section);
            stack->addWidget(section);
        }
        stack->addStretch(1);
        contentGrid()->addLayout(stack, 1, column);
    }
    contentGrid()->setRowStretch(1, 1);

    lblData = addHiddenField(Data, QStringLiteral("lblData"));
    lblOra = addHiddenField(Ora, QStringLiteral("lblOra"));
}

// The window's two faces: the start panel and the card panel of the machinery, one at a time.
void TfrmScadenzario::addStartPanel()
{
    panAvvio = buildStartPanel();
    addPanel(panAvvio);
}

// The hint line explains the card's commands; the start panel has its own bar instead.
void TfrmScadenzario::showStartPanel()
{
    cardPanel()->hide();
    hintLabel()->parentWidget()->hide();
    panAvvio->show();
}

void TfrmScadenzario::showCardPanel()
{
    panAvvio->hide();
    cardPanel()->show();
    hintLabel()->parentWidget()->show();
    hintLabel()->setText(CardMessages::ready());
}
void TfrmScadenzario::btnApriClick()
{
    const QString typed = txtAnno->text();
    if (!ScadenzarioRules::isYear(typed)) {
        notify(MessageKind::Warning, ScadenzarioRules::yearWarning());
        txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = TextField::trim(typed);
    // The file is only named here; the first navigation or save creates it if it is missing.
    lblFile->setText(programFile(ScadenzarioRules::fileName(year)));
    m_openYear = year;
    lblAnno->setText(year);
    setWindowTitle(ScadenzarioRules::caption(year));
    showCardPanel();
    cmdNuovoClick();
}

void TfrmScadenzario::btnCodFiscClick()
{
    CheckWindows::openCodFiscOrPartitaIva(this, TextField::trim(CardBindings::text(control(CodFisc))));
}

void TfrmScadenzario::prepareSave()
{
    // The amount is stored as it shows after leaving its field, even when Save is clicked with
    // the focus elsewhere (the picture buttons do not take the focus): an empty amount becomes
    // "0,00", a typed 12 is stored as 12,00.
    auto *costo = control<QLineEdit>(Costo);
    costo->setText(ScadenzarioRules::amountOnLeave(costo->text()));
}

bool TfrmScadenzario::validateSave()
{
    Record card(recordLayout());
    for (int field = 0; field < recordLayout().fieldCount(); ++field) {
        if (QWidget *w = control(field))
            card.setText(field, CardBindings::text(w));
    }
    card.setText(Anno, openYear());
    m_check = ScadenzarioRules::checkSave(card);
    if (!m_check.ok) {
        notify(m_check.kind, m_check.message);
        control(m_check.focus)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    lblData->setText(m_check.date);
    lblOra->setText(m_check.time);
    return true;
}

void TfrmScadenzario::completeRecord(Record &record)
{
    // Every record of a yearly file repeats the open year, whatever the record read held.
    ScadenzarioRules::complete(record, m_check);
    lblAnno->setText(record.text(Anno));
}

void TfrmScadenzario::closeEvent(QCloseEvent *event)
{
    showStartPanel();
    if (env().sound)
        env().sound->stop();
    CardWindow::closeEvent(event);
}

bool TfrmScadenzario::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtAnno && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnApri->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return CardWindow::eventFilter(watched, event);
}
