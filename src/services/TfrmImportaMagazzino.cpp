#include "TfrmImportaMagazzino.h"

#include "ArchiveKinds.h"
#include "ListPrint.h"
#include "ResultsPanel.h"
#include "core/ArchiveError.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"
#include "shell/card/CardFocus.h"
#include "shell/card/CardMessages.h"
#include "shell/card/KeyFilters.h"
#include "shell/card/LeaveRule.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QString noChoiceWarning()
{
    return QStringLiteral(
        "Attenzione: selezionare un articolo dall'elenco prima di premere il pulsante di importazione.");
}

QString aboveStockWarning()
{
    return QStringLiteral(
        "Attenzione: la quantit\u00E0 da scaricare non pu\u00F2 essere superiore alla giacenza in "
        "magazzino.\n\r\n\rIndicare una quantit\u00E0 inferiore oppure utilizzare il pulsante per importare "
        "l'articolo senza aggiornare la giacenza.");
}

QPushButton *button(const QString &name, const QString &icon, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(QIcon::fromTheme(icon), text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel *detail(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel *hiddenLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

const ArchiveKind &items()
{
    return ArchiveKinds::get(ArchiveKindId::Items);
}

} // namespace

TfrmImportaMagazzino::TfrmImportaMagazzino(const QString &archivePath, const QString &modeTag,
                                           const QString &quantity, QWidget *parent)
    : QDialog(parent), m_path(archivePath)
{
    setObjectName(QStringLiteral("TfrmImportaMagazzino"));
    setWindowTitle(QStringLiteral(" Importa articoli da magazzino"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    lblMemory = DialogParts::memoryLabel(this, modeTag);
    m_highlighter = new FocusHighlighter(this);
    m_enterChain = new EnterChain(this);
    panAvvio = buildCriteriaPanel();
    panContainer = new ResultsPanel(this);
    panContainer->setInstructions(
        QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da "
                       "cercare e premere il pulsante Trova.\n"
                       "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare "
                       "di nuovo clic su Trova.\n"
                       "Richiamare i dati di una scheda selezionandola con un clic."));
    panContainer->extraArea()->addWidget(buildImportArea());
    panContainer->hide();
    // The details follow the selection, whether a click, the keyboard or "Trova" moved it.
    connect(panContainer->list()->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const auto line = panContainer->selectedLine())
            lineChosen(*line);
    });
    connect(panContainer->printButton(), &QPushButton::clicked, this, &TfrmImportaMagazzino::btnStampaClick);
    connect(panContainer->closeButton(), &QPushButton::clicked, this, &TfrmImportaMagazzino::closeWindow);
    if (!quantity.isEmpty())
        txtQuant->setText(quantity);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->addWidget(panAvvio);
    root->addWidget(panContainer);
    setFixedSize(1120, 690);
}

QWidget *TfrmImportaMagazzino::buildCriteriaPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    QList<QWidget *> chain;
    int row = 0;
    for (const auto &criterion : items().search.criteria) {
        auto *label = new QLabel(criterion.label, panel);
        auto *edit = new QLineEdit(panel);
        edit->setObjectName(criterion.control);
        edit->setMinimumWidth(420);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        m_highlighter->watch(edit);
        m_criteria << edit;
        chain << edit;
        ++row;
    }
    grid->setColumnStretch(2, 1);
    m_enterChain->setChain(chain);
    DialogParts::setTabChain(chain);

    btnCerca =
        button(QStringLiteral("btnCerca"), QStringLiteral("edit-find"), QStringLiteral("Cerca"), panel);
    btnAnnulla =
        button(QStringLiteral("btnAnnulla"), QStringLiteral("window-close"), QStringLiteral("Chiudi"), panel);
    // The waiting line shows from the moment the mouse goes down on "Cerca".
    btnCerca->installEventFilter(this);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmImportaMagazzino::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmImportaMagazzino::closeWindow);
    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panel);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    QFont bold = lblAttendere->font();
    bold.setBold(true);
    lblAttendere->setFont(bold);
    lblAttendere->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblAttendere);
    buttons->addStretch();
    buttons->addWidget(btnCerca);
    buttons->addWidget(btnAnnulla);

    auto *root = new QVBoxLayout(panel);
    root->setContentsMargins(0, 0, 0, 0);
    root->addLayout(DialogParts::instructionRow(
        QStringLiteral(
            "Immettere nei campi prescelti una o pi\u00F9 parole consecutive presenti nelle schede da "
            "trovare e premere il pulsante Cerca.\n"
            "Lasciare in bianco tutti gli altri campi.\n"
            "Per ogni ricerca \u00E8 possibile utilizzare uno o pi\u00F9 campi contemporaneamente."),
        panel));
    root->addSpacing(14);
    root->addLayout(grid);
    root->addStretch();
    root->addLayout(buttons);
    return panel;
}

QWidget *TfrmImportaMagazzino::buildImportArea()
{
    auto *group = new QGroupBox(QStringLiteral("Articolo da importare"), this);
    group->setObjectName(QStringLiteral("grpImporta"));

    lblCodice = detail(QStringLiteral("lblCodice"), group);
    lblDescrizione = detail(QStringLiteral("lblDescrizione"), group);
    lblDescrizione->setMinimumWidth(300);
    lblGiacenza = detail(QStringLiteral("lblGiacenza"), group);
    lblCosto = hiddenLabel(QStringLiteral("lblCosto"), group);
    lblValore = hiddenLabel(QStringLiteral("lblValore"), group);
    lblPosizione = hiddenLabel(QStringLiteral("lblPosizione"), group);

    txtQuant = new QLineEdit(QStringLiteral("0"), group);
    txtQuant->setObjectName(QStringLiteral("txtQuant"));
    txtQuant->setMaxLength(6);
    txtQuant->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtQuant->setFixedWidth(QFontMetrics(txtQuant->font()).horizontalAdvance(QStringLiteral("0000000")) + 18);
    txtQuant->installEventFilter(KeyFilter::create(KeyRule::DigitsComma, txtQuant));
    LeaveRule::install(txtQuant, ItemImport::leaveQuantity);
    m_highlighter->watch(txtQuant);
    auto *quantCaption = new QLabel(QStringLiteral("Quantit\u00E0 da scaricare:"), group);
    quantCaption->setBuddy(txtQuant);

    btnNonAggiornare = button(QStringLiteral("btnNonAggiornare"), QStringLiteral("document-import"),
                              QStringLiteral("Importa articolo senza aggiornare giacenza"), group);
    btnAggiorna = button(QStringLiteral("btnAggiorna"), QStringLiteral("document-import"),
                         QStringLiteral("Importa articolo e aggiorna giacenza"), group);
    connect(btnNonAggiornare, &QPushButton::clicked, this, &TfrmImportaMagazzino::btnNonAggiornareClick);
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmImportaMagazzino::btnAggiornaClick);
    m_enterChain->setTarget(txtQuant, btnAggiorna);

    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const auto caption = [group](const char *text) { return new QLabel(QString::fromUtf8(text), group); };
    grid->addWidget(caption("Codice articolo:"), 0, 0, Qt::AlignRight);
    grid->addWidget(lblCodice, 0, 1);
    grid->addWidget(caption("Giacenza attuale:"), 0, 2, Qt::AlignRight);
    grid->addWidget(lblGiacenza, 0, 3);
    grid->addWidget(caption("Descrizione:"), 1, 0, Qt::AlignRight);
    grid->addWidget(lblDescrizione, 1, 1, 1, 3);
    grid->addWidget(quantCaption, 2, 0, Qt::AlignRight);
    grid->addWidget(txtQuant, 2, 1, Qt::AlignLeft);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->setSpacing(10);
    buttons->addWidget(btnNonAggiornare);
    buttons->addWidget(btnAggiorna);
    grid->addLayout(buttons, 2, 2, 1, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    return group;
}

QString TfrmImportaMagazzino::modeTag() const
{
    return lblMemory->text();
}

void TfrmImportaMagazzino::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    panContainer->list()->selectionModel()->clear();
    panContainer->startKeywordSearch();
    if (panAvvio->isVisible() && !m_criteria.isEmpty())
        m_criteria.first()->setFocus(Qt::OtherFocusReason);
}

bool TfrmImportaMagazzino::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnCerca && event->type() == QEvent::MouseButtonPress) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmImportaMagazzino::btnCercaClick()
{
    std::vector<ListService::Criterion> criteria;
    const auto &specs = items().search.criteria;
    for (int i = 0; i < m_criteria.size(); ++i)
        criteria.push_back({specs[size_t(i)].field, m_criteria[i]->text()});
    ListText::Lines lines;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        lines = ItemImport::search(m_path, criteria);
    } catch (const ArchiveError &) {
        QApplication::restoreOverrideCursor();
        lblAttendere->hide();
        env().messages->show(this, MessageKind::Plain, CardMessages::archiveAccess());
        return;
    }
    panContainer->showLines(std::move(lines), items().search.countPrefix);
    QApplication::restoreOverrideCursor();
    lblAttendere->hide();
    panAvvio->hide();
    panContainer->show();
    panContainer->startKeywordSearch();
}

void TfrmImportaMagazzino::btnStampaClick()
{
    printList(this, items().search.printTitle, panContainer->texts());
}

void TfrmImportaMagazzino::lineChosen(const ListText::Line &line)
{
    // The record of the chosen line itself, read at its own position: two items with equal
    // lines stay apart. A failed read leaves the details as they were.
    try {
        const std::optional<QByteArray> item = ItemImport::read(m_path, line.position);
        if (!item)
            return;
        const ItemImport::Details d = ItemImport::details(*item);
        lblCodice->setText(d.codice);
        lblDescrizione->setText(d.descrizione);
        lblGiacenza->setText(d.giacenza);
        lblCosto->setText(d.costo);
        lblValore->setText(d.valore);
        lblPosizione->setText(QString::number(line.position));
    } catch (const ArchiveError &) {
    }
}

bool TfrmImportaMagazzino::hasChoice() const
{
    return panContainer->selectedLine() && !lblPosizione->text().isEmpty();
}

void TfrmImportaMagazzino::btnAggiornaClick()
{
    if (!hasChoice()) {
        env().messages->show(this, MessageKind::Warning, noChoiceWarning());
        return;
    }
    ItemImport::UnloadResult result;
    try {
        result = ItemImport::unload(m_path, lblPosizione->text().toLongLong(), txtQuant->text());
    } catch (const ArchiveError &) {
        failAndClose();
        return;
    }
    switch (result.outcome) {
    case ItemImport::Unload::AboveStock:
        // Shown with the stock stored now, which the comparison used.
        lblGiacenza->setText(ItemImport::details(result.item).giacenza);
        env().messages->show(this, MessageKind::Warning, aboveStockWarning());
        return;
    case ItemImport::Unload::Unreadable:
        closeWindow();
        return;
    case ItemImport::Unload::NoSuchRecord:
        failAndClose();
        return;
    case ItemImport::Unload::Done:
        break;
    }
    const ItemImport::Details d = ItemImport::details(result.item);
    lblGiacenza->setText(d.giacenza);
    lblValore->setText(d.valore);
    m_imported = ItemImport::lineCopy(result.item);
    closeWindow();
}

void TfrmImportaMagazzino::btnNonAggiornareClick()
{
    if (!hasChoice()) {
        env().messages->show(this, MessageKind::Warning, noChoiceWarning());
        return;
    }
    std::optional<QByteArray> item;
    try {
        item = ItemImport::read(m_path, lblPosizione->text().toLongLong());
    } catch (const ArchiveError &) {
        failAndClose();
        return;
    }
    if (!item) {
        failAndClose();
        return;
    }
    m_imported = ItemImport::lineCopy(*item);
    closeWindow();
}

void TfrmImportaMagazzino::failAndClose()
{
    // Nothing goes into the quote line; a stock already written stays written.
    env().messages->show(this, MessageKind::Warning, CardMessages::archiveAccess());
    closeWindow();
}

void TfrmImportaMagazzino::closeWindow()
{
    lblAttendere->hide();
    panContainer->showLines({}, items().search.countPrefix);
    accept();
}

std::optional<ItemImport::LineCopy> TfrmImportaMagazzino::importInto(const QString &archivePath,
                                                                     const QString &modeTag,
                                                                     const QString &quantity, QWidget *parent)
{
    TfrmImportaMagazzino window(archivePath, modeTag, quantity, parent);
    window.exec();
    return window.imported();
}
