#include "TfrmTrova.h"

#include "ListPrint.h"
#include "ListService.h"
#include "ResultsPanel.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"
#include "shell/card/CardFocus.h"
#include "shell/card/CardMessages.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TfrmTrova::TfrmTrova(const ArchiveKind &kind, const QString &archivePath, const QString &modeTag,
                     QWidget *parent)
    : QDialog(parent), m_kind(kind), m_path(archivePath)
{
    const auto &search = kind.search;
    setObjectName(search.window);
    setWindowTitle(search.caption);
    // Modal with a fixed border and no frame buttons: only "Chiudi" or a choice ends it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);

    lblMemory = DialogParts::memoryLabel(this, modeTag);
    m_highlighter = new FocusHighlighter(this);
    m_enterChain = new EnterChain(this);
    panAvvio = buildCriteriaPanel();
    panContainer = new ResultsPanel(this);
    panContainer->hide();
    connect(panContainer, &ResultsPanel::lineActivated, this, &TfrmTrova::lstRecordsDblClick);
    connect(panContainer->printButton(), &QPushButton::clicked, this, &TfrmTrova::btnStampaClick);
    connect(panContainer->closeButton(), &QPushButton::clicked, this, &TfrmTrova::closeWindow);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->addWidget(panAvvio);
    root->addWidget(panContainer);
    setFixedSize(1040, 660);
}

QWidget *TfrmTrova::buildCriteriaPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panAvvio"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    QList<QWidget *> chain;
    int row = 0;
    for (const auto &criterion : m_kind.search.criteria) {
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
    for (int i = 1; i < m_criteria.size(); ++i)
        setTabOrder(m_criteria[i - 1], m_criteria[i]);

    btnCerca = ResultsPanel::button(QStringLiteral("btnCerca"), QStringLiteral("edit-find"),
                                    QStringLiteral("Cerca"), panel);
    btnAnnulla = ResultsPanel::button(QStringLiteral("btnAnnulla"), QStringLiteral("window-close"),
                                      QStringLiteral("Chiudi"), panel);
    // The waiting line shows from the moment the mouse goes down on "Cerca".
    btnCerca->installEventFilter(this);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrova::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmTrova::closeWindow);
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

QString TfrmTrova::modeTag() const
{
    return lblMemory->text();
}

void TfrmTrova::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (panAvvio->isVisible() && !m_criteria.isEmpty())
        m_criteria.first()->setFocus(Qt::OtherFocusReason);
}

bool TfrmTrova::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnCerca && event->type() == QEvent::MouseButtonPress) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmTrova::btnCercaClick()
{
    std::vector<ListService::Criterion> criteria;
    for (int i = 0; i < m_criteria.size(); ++i)
        criteria.push_back({m_kind.search.criteria[i].field, m_criteria[i]->text()});
    ListText::Lines lines;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        lines = ListService::search(m_kind, m_path, criteria, ListService::Missing::Create);
    } catch (const ArchiveError &) {
        QApplication::restoreOverrideCursor();
        lblAttendere->hide();
        env().messages->show(this, MessageKind::Plain, CardMessages::archiveAccess());
        return;
    }
    panContainer->showLines(std::move(lines), m_kind.search.countPrefix);
    QApplication::restoreOverrideCursor();
    lblAttendere->hide();
    panAvvio->hide();
    panContainer->show();
    panContainer->startKeywordSearch();
}

void TfrmTrova::btnStampaClick()
{
    printList(this, m_kind.search.printTitle, panContainer->texts());
}

void TfrmTrova::lstRecordsDblClick(const ListText::Line &line)
{
    // Read afresh: the caller gets the record as stored now, or nothing when it cannot be read.
    try {
        const Archive archive(m_path, m_kind.layout->recordSize());
        if (auto loaded = archive.readAt(line.position))
            m_picked = Picked{loaded->position, loaded->bytes};
    } catch (const ArchiveError &) {
        m_picked.reset();
    }
    closeWindow();
}

void TfrmTrova::closeWindow()
{
    lblAttendere->hide();
    panContainer->showLines({}, m_kind.search.countPrefix);
    accept();
}

std::optional<TfrmTrova::Picked> TfrmTrova::pick(const ArchiveKind &kind, const QString &archivePath,
                                                 const QString &modeTag, QWidget *parent)
{
    TfrmTrova window(kind, archivePath, modeTag, parent);
    window.exec();
    return window.picked();
}
