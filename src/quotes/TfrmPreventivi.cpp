// The quote window as a card: its commands, New with the numbering, Save with the calculation and
// the date check, the issuer data from and to Taccuino.ini, and the small buttons of the panels.
#include "TfrmPreventivi.h"

#include "IssuerSettings.h"
#include "QuoteNumbering.h"
#include "QuoteWindowDate.h"
#include "Taccuino.h"
#include "TfrmDatiVeicolo.h"
#include "TfrmLogo.h"
#include "TfrmNumerazione.h"
#include "checks/CheckWindows.h"
#include "core/TextField.h"
#include "platform/Platform.h"
#include "services/KindCard.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace Preventivi;

namespace {

CardWindow::Config quoteConfig()
{
    CardWindow::Config config = kindCardConfig(quotesKind());
    config.accessKinds = AccessMessageKinds::all(MessageKind::Error);
    config.accessKinds.first = MessageKind::Warning;
    config.accessKinds.save = MessageKind::Warning;
    config.storedNamesAreControlNames = true;
    return config;
}

constexpr Field kTransport[] = {memVeicolo,          memMarca,         memColore,
                                memImmatricolazione, memAlimentazione, memTarga};

QDate today()
{
    const Clock *clock = env().clock;
    return clock ? clock->now().date() : QDate::currentDate();
}

QString settingsPath()
{
    return programFile(Taccuino::fileName());
}

// The record field shown by the control that keeps an issuer key.
int issuerField(int key)
{
    return Preventivi::layout().indexOf(Taccuino::issuerEntries()[size_t(key)].control);
}

} // namespace

TfrmPreventivi *createTfrmPreventivi(QWidget *parent)
{
    return new TfrmPreventivi(parent);
}

TfrmPreventivi::TfrmPreventivi(QWidget *parent) : CardOf(quoteConfig(), parent)
{
    setObjectName(QStringLiteral("TfrmPreventivi"));
    addCommands();
    addHeaderSections();

    auto *middle = new QWidget(content());
    middle->setObjectName(QStringLiteral("panRighe"));
    auto *row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(contentGrid()->horizontalSpacing());
    row->addWidget(buildLinePages(), 1);
    QWidget *totals = buildTotals();
    // The lines take every pixel the totals do not need.
    totals->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    row->addWidget(totals, 0);
    contentGrid()->addWidget(middle, 1, 0, 1, 2);
    contentGrid()->setRowStretch(3, 1);

    for (const Field field : kTransport)
        addHiddenField(field);
    lblFile = new QLabel(content());
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    addMandatory(txtCliente,
                 QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare il nome o la "
                                "ragione sociale del cliente."));
    addMandatory(
        txtNumFatt,
        QStringLiteral(
            "Attenzione: per salvare la scheda \u00E8 necessario indicare il numero del preventivo."));
    addMandatory(txtData,
                 QStringLiteral(
                     "Attenzione: per salvare la scheda \u00E8 necessario indicare la data del preventivo."));

    setFirstField(control(txtCliente));
    setLineEnterTargets();
    // The rate stands outside the chain: Enter in it goes to the notes, nothing leads to it.
    setEnterTarget(m_percIva, control(txtNote));
    finishCard();
    setQuoteHints();
    // After the key filters and the Enter chain, so every key empties stale results first.
    watchNumericEdits();
}

void TfrmPreventivi::addCommands()
{
    const auto spec = &CommandSpec::of;
    addCommand(spec("cmdNuovo", "document-new", "Nuovo",
                    "Predispone la schermata per l'emissione di un nuovo preventivo."),
               [this] { cmdNuovoClick(); });
    addCommand(spec("cmdSalva", "document-save", "Salva", "Salva o aggiorna il preventivo corrente."),
               [this] { cmdSalvaClick(); });
    addCommandSeparator();
    // Service slots: each runs what its service registered for the quotes.
    addCommand(spec("cmdTrova", "edit-find", "Trova", "Trova un preventivo in archivio."));
    addCommand(spec("cmdSospese", "view-list-details", "In sospeso",
                    "Visualizza il riepilogo dei preventivi in sospeso."));
    addCommandSeparator();
    addCommand(spec("cmdStampa", "document-print", "Stampa", "Stampa il preventivo corrente."));
    addCommand(spec("cmdAnteprima", "document-print-preview", "Anteprima",
                    "Visualizza l'anteprima di stampa del preventivo corrente."));
    addCommand(
        spec("cmdPDF", "application-pdf", "Crea PDF", "Esporta il preventivo corrente in formato PDF."));
    addCommand(spec("cmdEsporta", "x-office-spreadsheet", "Esporta archivio",
                    "Esporta i preventivi in archivio in un file di Microsoft Excel."));
    addCommandSeparator();
    addCommand(spec("cmdNumerazione", "format-list-ordered", "Numerazione",
                    "Imposta il numero iniziale per la numerazione dei preventivi."),
               [this] { cmdNumerazioneClick(); });
    addClosingCommands();
}

void TfrmPreventivi::setQuoteHints()
{
    const struct
    {
        const char *name;
        const char *hint;
    } arrows[] = {{"cmdPrimo", "Visualizza il primo preventivo in archivio."},
                  {"cmdIndietro", "Visualizza il preventivo precedente in archivio."},
                  {"cmdAvanti", "Visualizza il preventivo successivo in archivio."},
                  {"cmdUltimo", "Visualizza l'ultimo preventivo in archivio."}};
    for (const auto &a : arrows) {
        if (auto *button = findChild<QToolButton *>(QLatin1StringView(a.name)))
            setHint(button, QString::fromUtf8(a.hint));
    }
}

void TfrmPreventivi::setYearFile(const QString &yearFilePath, const QString &caption)
{
    lblFile->setText(yearFilePath);
    setWindowTitle(caption);
}

QString TfrmPreventivi::yearFile() const
{
    return lblFile->text();
}

void TfrmPreventivi::openYear(const QString &yearFilePath, const QString &caption)
{
    setYearFile(yearFilePath, caption);
    show();
    raise();
    activateWindow();
}

QString TfrmPreventivi::fieldText(int field) const
{
    return CardBindings::text(control(field));
}

void TfrmPreventivi::setFieldText(int field, const QString &text)
{
    CardBindings::setText(control(field), text);
}

// Reset: the quote's own data go, the issuer's data, the terms and the rate stay.
void TfrmPreventivi::clearCard()
{
    CardWindow::clearCard();
    if (auto *province = control<QComboBox>(txtProvDitta)) {
        const QString text = province->currentText();
        province->setCurrentIndex(-1);
        province->setEditText(text);
    }
    showPage(1, false);
    control(txtCliente)->setFocus(Qt::OtherFocusReason);
}

void TfrmPreventivi::cardShown()
{
    const Taccuino::IssuerTexts texts = Taccuino::readIssuer(settingsPath());
    for (int key = 0; key < Taccuino::IssuerCount; ++key)
        setFieldText(issuerField(key), texts[size_t(key)]);
    clearCard();
}

void TfrmPreventivi::newCard()
{
    const Taccuino::Numbering numbering = Taccuino::readNumbering(settingsPath());
    qint64 count = 0;
    if (!runArchiveAction(CardOp::New, [&] { count = archive().count(); }))
        return;
    clearCard();
    const std::optional<QString> number =
        QuoteNumbering::propose(numbering.inizio, numbering.annoSolare, count, today().year());
    if (!number) {
        // A start number that is no whole number: the window stays reset, without number or date.
        showArchiveAccessMessage(CardOp::New);
        return;
    }
    setFieldText(txtNumFatt, *number);
    setFieldText(txtData, today().toString(QStringLiteral("dd/MM/yyyy")));
    control(txtCliente)->setFocus(Qt::OtherFocusReason);
}

// Save calculates first, whatever the outcome; the mandatory checks follow.
void TfrmPreventivi::prepareSave()
{
    cmdCalcolaClick();
}

bool TfrmPreventivi::validateSave()
{
    if (!QuoteWindowDate::isValid(fieldText(txtData))) {
        notify(MessageKind::Warning, QuoteWindowDate::invalidMessage());
        control(txtData)->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return amountsFit();
}

void TfrmPreventivi::closeEvent(QCloseEvent *event)
{
    // Only a window the user had open holds issuer data: one never shown (or already closed)
    // would overwrite the settings with empty fields.
    if (!isVisible()) {
        CardWindow::closeEvent(event);
        return;
    }
    Taccuino::IssuerTexts texts;
    for (int key = 0; key < Taccuino::IssuerCount; ++key)
        texts[size_t(key)] = fieldText(issuerField(key));
    // A failure is told to the user; the window closes all the same.
    IssuerSettings::save(this, texts);
    CardWindow::closeEvent(event);
}

void TfrmPreventivi::impOggiClick()
{
    setFieldText(txtData, today().toString(QStringLiteral("dd/MM/yyyy")));
}

void TfrmPreventivi::btnCancDittaClick()
{
    for (int field = txtDitta; field <= txtLibero02; ++field) {
        if (auto *combo = control<QComboBox>(field))
            combo->setCurrentIndex(-1);
        setFieldText(field, QString());
    }
    control(txtDitta)->setFocus(Qt::OtherFocusReason);
}

void TfrmPreventivi::btnLogoClick()
{
    TfrmLogo::run(this);
}

void TfrmPreventivi::cmdNumerazioneClick()
{
    TfrmNumerazione::run(this);
}

void TfrmPreventivi::cmdDatiComputerClick()
{
    DatiTrasporto data{fieldText(memVeicolo),          fieldText(memMarca),         fieldText(memColore),
                       fieldText(memImmatricolazione), fieldText(memAlimentazione), fieldText(memTarga)};
    if (!TfrmDatiVeicolo::edit(this, data))
        return;
    const QString texts[] = {data.memVeicolo,          data.memMarca,         data.memColore,
                             data.memImmatricolazione, data.memAlimentazione, data.memTarga};
    for (int i = 0; i < 6; ++i)
        setFieldText(kTransport[i], texts[i]);
}

void TfrmPreventivi::openCheck(int field, bool codFisc)
{
    const QString value = TextField::trim(fieldText(field));
    if (codFisc)
        CheckWindows::openCodFiscOrPartitaIva(this, value);
    else
        CheckWindows::openPartitaIva(this, value);
}

void TfrmPreventivi::btnIvaDittaClick()
{
    openCheck(txtIvaDitta, false);
}

void TfrmPreventivi::btnCodFiscDittaClick()
{
    openCheck(txtCodFiscDitta, true);
}

void TfrmPreventivi::btnIvaClienteClick()
{
    openCheck(txtIvaCliente, false);
}

void TfrmPreventivi::btnCodFiscClienteClick()
{
    openCheck(txtCodFiscCliente, true);
}
