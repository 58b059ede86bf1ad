// The parts of a card window around its fields: command bar, sections, bindings and their input
// rules, position label, arrows, hint line; and the finishing of tab order and Enter chain.
#include "CardFocus.h"
#include "CardSection.h"
#include "CardServices.h"
#include "CardWindow.h"
#include "HintLine.h"
#include "KeyFilters.h"
#include "LeaveRule.h"
#include "TextRuleWatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

CommandSpec CardWindow::standardCommand(CardCommand command)
{
    switch (command) {
    case CardCommand::Nuovo:
        return {QStringLiteral("cmdNuovo"), QStringLiteral("document-new"), QStringLiteral("Nuovo"),
                QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda.")};
    case CardCommand::Duplica:
        return {QStringLiteral("cmdDuplica"), QStringLiteral("edit-copy"), QStringLiteral("Duplica"),
                QStringLiteral("Prepara la schermata per la registrazione di una nuova scheda duplicando i "
                               "dati correnti.")};
    case CardCommand::Salva:
        return {QStringLiteral("cmdSalva"), QStringLiteral("document-save"), QStringLiteral("Salva"),
                QStringLiteral("Salva la scheda corrente in archivio.")};
    case CardCommand::Trova:
        return {QStringLiteral("cmdTrova"), QStringLiteral("edit-find"), QStringLiteral("Trova"),
                QStringLiteral("Trova una scheda in archivio.")};
    case CardCommand::Stampa:
        return {QStringLiteral("cmdStampa"), QStringLiteral("document-print"), QStringLiteral("Stampa"),
                QStringLiteral("Stampa la scheda corrente.")};
    case CardCommand::Anteprima:
        return {QStringLiteral("cmdAnteprima"), QStringLiteral("document-print-preview"),
                QStringLiteral("Anteprima"), QStringLiteral("Visualizza l'anteprima di stampa.")};
    case CardCommand::PDF:
        return {QStringLiteral("cmdPDF"), QStringLiteral("application-pdf"), QStringLiteral("Crea PDF"),
                QStringLiteral("Esporta la scheda in formato PDF.")};
    case CardCommand::Esporta:
        return {QStringLiteral("cmdEsporta"), QStringLiteral("x-office-spreadsheet"),
                QStringLiteral("Esporta archivio"),
                QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")};
    case CardCommand::File:
        return {QStringLiteral("cmdFile"), QStringLiteral("mail-attachment"), QStringLiteral("Allega file"),
                QStringLiteral("Allega file alla scheda corrente.")};
    case CardCommand::Guida:
        return {QStringLiteral("cmdGuida"), QStringLiteral("help-contents"), QStringLiteral("Guida"),
                QStringLiteral("Visualizza la pagina della guida sensibile al contesto.")};
    case CardCommand::Esci:
        return {QStringLiteral("cmdEsci"), QStringLiteral("application-exit"), QStringLiteral("Esci"),
                QStringLiteral("Esci da questa schermata di lavoro.")};
    }
    return {};
}

namespace {

constexpr int kSheetWidth = 1560;

// Keeps the sheet of sections at most kSheetWidth wide and centred: wide screens get margins
// instead of endless fields.
class SheetCentring : public QObject
{
public:
    SheetCentring(QWidget *page, QHBoxLayout *layout) : QObject(page), m_layout(layout)
    {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize) {
            const int side = qMax(0, (static_cast<QWidget *>(watched)->width() - kSheetWidth) / 2);
            m_layout->setContentsMargins(side, 0, side, 0);
        }
        return false;
    }

private:
    QHBoxLayout *m_layout;
};

} // namespace

CardWindow::CardWindow(const Config &config, QWidget *parent)
    : AreaWindow(parent), m_config(config), m_bindings(*config.layout), m_buffer(*config.layout)
{
    setWindowTitle(config.caption);
    setWindowState(Qt::WindowMaximized);
    m_highlighter = new FocusHighlighter(this);
    m_enterChain = new EnterChain(this);
    buildChrome();
}

CardWindow::~CardWindow() = default;

void CardWindow::buildChrome()
{
    m_outer = new QVBoxLayout(this);
    m_outer->setContentsMargins(0, 0, 0, 0);
    m_outer->setSpacing(0);
    // Commands, fields and arrows form the card panel; the hint line runs below it.
    m_cardPanel = new QWidget;
    m_cardPanel->setObjectName(QStringLiteral("cardPanel"));
    auto *outer = new QVBoxLayout(m_cardPanel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_outer->addWidget(m_cardPanel, 1);

    auto *commandBar = new QFrame;
    commandBar->setObjectName(QStringLiteral("commandBar"));
    commandBar->setFrameShape(QFrame::StyledPanel);
    m_commandLayout = new QHBoxLayout(commandBar);
    m_commandLayout->setContentsMargins(8, 4, 8, 4);
    m_commandLayout->setSpacing(2);
    outer->addWidget(commandBar);

    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("cardScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab and Enter go round the fields only
    // The sections sit on a sheet of readable width, centred on wide screens.
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("cardPage"));
    auto *pageLayout = new QHBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("cardContent"));
    pageLayout->addWidget(m_content);
    new SheetCentring(page, pageLayout);
    m_contentGrid = new QGridLayout(m_content);
    m_contentGrid->setContentsMargins(16, 14, 16, 10);
    m_contentGrid->setHorizontalSpacing(16);
    m_contentGrid->setVerticalSpacing(12);
    scroll->setWidget(page);
    outer->addWidget(scroll, 1);

    auto *navBar = new QFrame;
    navBar->setObjectName(QStringLiteral("navigationBar"));
    auto *nav = m_navLayout = new QHBoxLayout(navBar);
    nav->setContentsMargins(14, 4, 14, 4);
    nav->setSpacing(4);
    nav->addStretch(1);
    auto *caption = new QLabel(QStringLiteral("Scheda n."));
    nav->addWidget(caption);
    m_position = new QLabel;
    m_position->setObjectName(QStringLiteral("lblPosizione"));
    m_position->setFrameShape(QFrame::StyledPanel);
    m_position->setFrameShadow(QFrame::Sunken);
    m_position->setAlignment(Qt::AlignCenter);
    m_position->setMinimumWidth(m_position->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    QFont positionFont = m_position->font();
    positionFont.setBold(true);
    m_position->setFont(positionFont);
    nav->addWidget(m_position);
    nav->addSpacing(12);
    m_hint = new QLabel(CardMessages::ready());
    m_hint->setObjectName(QStringLiteral("panInfo"));
    m_hintLine = new HintLine(this, m_hint);
    m_hintLine->addBlank(m_position);
    addArrow({QStringLiteral("cmdPrimo"), QStringLiteral("go-first"), QStringLiteral("Prima"),
              QStringLiteral("Visualizza la prima scheda in archivio.")},
             &CardWindow::cmdPrimoClick);
    addArrow({QStringLiteral("cmdIndietro"), QStringLiteral("go-previous"), QStringLiteral("Precedente"),
              QStringLiteral("Visualizza la scheda precedente in archivio.")},
             &CardWindow::cmdIndietroClick);
    addArrow({QStringLiteral("cmdAvanti"), QStringLiteral("go-next"), QStringLiteral("Successiva"),
              QStringLiteral("Visualizza la scheda successiva in archivio.")},
             &CardWindow::cmdAvantiClick);
    addArrow({QStringLiteral("cmdUltimo"), QStringLiteral("go-last"), QStringLiteral("Ultima"),
              QStringLiteral("Visualizza l'ultima scheda in archivio.")},
             &CardWindow::cmdUltimoClick);
    outer->addWidget(navBar);

    // The hint line: one line of text along the bottom, like a status bar.
    auto *hintFrame = new QFrame;
    hintFrame->setObjectName(QStringLiteral("hintBar"));
    hintFrame->setFrameShape(QFrame::StyledPanel);
    hintFrame->setFrameShadow(QFrame::Sunken);
    auto *hintLayout = new QHBoxLayout(hintFrame);
    hintLayout->setContentsMargins(10, 3, 10, 3);
    m_hint->setMinimumHeight(m_hint->fontMetrics().height() + 4);
    hintLayout->addWidget(m_hint, 1);
    m_outer->addWidget(hintFrame);
}

void CardWindow::addPanel(QWidget *panel)
{
    m_outer->insertWidget(m_outer->count() - 1, panel, 1);
}

static QToolButton *makeCommandButton(const CommandSpec &spec)
{
    auto *b = new QToolButton;
    b->setObjectName(spec.name);
    b->setIcon(QIcon::fromTheme(spec.icon));
    b->setIconSize(QSize(24, 24));
    b->setText(spec.word);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus); // pictures: clicking one leaves the focus in its field
    return b;
}

QToolButton *CardWindow::addArrow(const CommandSpec &spec, void (CardWindow::*slot)())
{
    QToolButton *b = makeCommandButton(spec);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(b, &QToolButton::clicked, this, slot);
    m_hintLine->setHint(b, spec.hint);
    m_navLayout->addWidget(b);
    return b;
}

QToolButton *CardWindow::addCommand(CardCommand command)
{
    const CommandSpec spec = standardCommand(command);
    switch (command) {
    case CardCommand::Nuovo:
        return addCommand(spec, [this] { cmdNuovoClick(); });
    case CardCommand::Duplica:
        return addCommand(spec, [this] { cmdDuplicaClick(); });
    case CardCommand::Salva:
        return addCommand(spec, [this] { cmdSalvaClick(); });
    case CardCommand::Guida:
        return addCommand(spec, [this] { cmdGuidaClick(); });
    case CardCommand::Esci:
        return addCommand(spec, [this] { cmdEsciClick(); });
    default:
        return addCommand(spec);
    }
}

QToolButton *CardWindow::addCommand(const CommandSpec &spec, std::function<void()> action)
{
    QToolButton *b = makeCommandButton(spec);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setMinimumWidth(72);
    if (action) {
        connect(b, &QToolButton::clicked, this, std::move(action));
    } else {
        makeServiceSlot(b, spec.name);
    }
    m_hintLine->setHint(b, spec.hint);
    m_commandLayout->addWidget(b);
    return b;
}

void CardWindow::makeServiceSlot(QToolButton *button, const QString &name)
{
    // A command whose service is not there stays visible, and visibly disabled.
    m_serviceCommands.append({button, name});
    connect(button, &QToolButton::clicked, this, [this, name] {
        if (const CardServices::Action *service = CardServices::find(kind(), name))
            (*service)(*this);
    });
    button->setEnabled(CardServices::find(kind(), name) != nullptr);
}

void CardWindow::refreshServiceCommands()
{
    for (const auto &[button, name] : std::as_const(m_serviceCommands))
        button->setEnabled(CardServices::find(kind(), name) != nullptr);
}

void CardWindow::addCommandSeparator()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    m_commandLayout->addSpacing(4);
    m_commandLayout->addWidget(line);
    m_commandLayout->addSpacing(4);
}

void CardWindow::addEditingCommands()
{
    addCommand(CardCommand::Nuovo);
    addCommand(CardCommand::Duplica);
    addCommand(CardCommand::Salva);
    addCommandSeparator();
}

void CardWindow::addArchiveCommands(PreviewCommand preview)
{
    addCommand(CardCommand::Trova);
    addCommand(CardCommand::Stampa);
    if (preview == PreviewCommand::With)
        addCommand(CardCommand::Anteprima);
    addCommand(CardCommand::PDF);
    addCommand(CardCommand::Esporta);
    addCommandSeparator();
}

void CardWindow::addClosingCommands()
{
    addCommandSeparator();
    addCommand(CardCommand::Guida);
    addCommand(CardCommand::Esci);
}

void CardWindow::placeSection(CardSection *section, int row, int column, int rowSpan, int columnSpan)
{
    m_contentGrid->addWidget(section, row, column, rowSpan, columnSpan);
}

void CardWindow::bindField(int field, QWidget *control, const FieldOptions &options)
{
    m_bindings.add(field, control, options);
    const int capacity = recordLayout().capacity(field);
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit(); // nullptr for a list that is not editable
    if (edit)
        edit->setMaxLength(capacity);
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QComboBox *>(control)) {
        // Keys reach the combo itself, not its line edit, so the filter goes on the control.
        if (KeyFilter *filter = KeyFilter::create(options.keys, control))
            control->installEventFilter(filter);
        if (edit && options.text)
            new TextRuleWatcher(edit, control, options.text, control);
        if (edit && options.onLeave)
            LeaveRule::install(edit, options.onLeave, control);
        m_highlighter->watch(control);
        if (!m_firstField)
            m_firstField = control;
    }
}

QString CardWindow::controlName(int field, const QString &prefix) const
{
    const QString stored = recordLayout().name(field);
    return m_config.storedNamesAreControlNames ? stored : prefix + stored;
}

QLabel *CardWindow::addHiddenField(int field, const QString &objectName, const FieldOptions &options)
{
    auto *label = new QLabel(m_content);
    label->setObjectName(objectName.isEmpty() ? controlName(field, QStringLiteral("lbl")) : objectName);
    label->hide();
    bindField(field, label, options);
    return label;
}

void CardWindow::addMandatory(int field, const QString &warning)
{
    if (!control(field))
        qFatal("addMandatory: field %s is not bound on the card", qPrintable(recordLayout().name(field)));
    m_mandatory.append({field, warning});
}

void CardWindow::setHint(QWidget *control, const QString &hint)
{
    m_hintLine->setHint(control, hint);
}

void CardWindow::setEnterTarget(QWidget *from, QWidget *to)
{
    m_enterChain->setTarget(from, to);
}

QWidget *CardWindow::firstField() const
{
    return m_firstField;
}

QString CardWindow::shownText(int field) const
{
    const QWidget *w = control(field);
    return w ? CardBindings::text(w) : QString();
}

void CardWindow::finishCard()
{
    QList<QWidget *> chain;
    QWidget *previous = nullptr;
    for (const CardBindings::Binding &b : m_bindings.all()) {
        const bool field = qobject_cast<QLineEdit *>(b.widget) || qobject_cast<QComboBox *>(b.widget);
        if (field && b.options.inEnterChain)
            chain.append(b.widget);
        if (field || qobject_cast<QCheckBox *>(b.widget)) {
            if (previous)
                setTabOrder(previous, b.widget);
            previous = b.widget;
        }
    }
    m_enterChain->setChain(chain);
    for (CardSection *section : m_content->findChildren<CardSection *>())
        section->closeLine();
    m_contentGrid->setRowStretch(m_contentGrid->rowCount(), 1); // sections stay at the top
    m_hintLine->watchBackground();
    m_finished = true;
}
