#include "SummaryListWindow.h"

#include "ListPrint.h"
#include "ResultsPanel.h"
#include "SummaryLists.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "shell/ShellLook.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

SummaryListWindow::SummaryListWindow(const SummaryList &list, const RecordLayout &layout,
                                     const QString &archivePath, QWidget *parent)
    : QDialog(parent), m_list(list), m_layout(layout), m_path(archivePath)
{
    setObjectName(list.window);
    setWindowTitle(list.caption);
    // Modal with a fixed border and no frame buttons: only "Chiudi" or a choice ends it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    m_panel = new ResultsPanel(this);
    // These lists say what they hold in their caption; they have no count line.
    if (auto *count = m_panel->findChild<QLabel *>(QStringLiteral("lblTrovate")))
        count->hide();
    connect(m_panel, &ResultsPanel::lineActivated, this, &SummaryListWindow::lstRecordsDblClick);
    connect(m_panel->printButton(), &QPushButton::clicked, this, &SummaryListWindow::btnStampaClick);
    connect(m_panel->closeButton(), &QPushButton::clicked, this, &SummaryListWindow::closeWindow);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 14, 16, 14);
    root->addWidget(m_panel);
    setFixedSize(1100, 620);
}

QStringList SummaryListWindow::lines() const
{
    return m_panel->texts();
}

void SummaryListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ShellLook::centreOnScreen(this);
    fill();
}

void SummaryListWindow::fill()
{
    m_panel->showLines({}, QString());
    ListText::Lines lines;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        SummaryLists::collectInto(m_list, m_layout, m_path, ListService::Missing::Create, lines);
    } catch (const ArchiveError &) {
        // The lines read before the failure stay, as a partial list is still of use.
    }
    if (m_list.sorted)
        lines.sort();
    QApplication::restoreOverrideCursor();
    m_panel->showLines(std::move(lines), QString());
    m_panel->startKeywordSearch();
}

void SummaryListWindow::btnStampaClick()
{
    printList(this, m_list.title, m_panel->texts());
}

void SummaryListWindow::lstRecordsDblClick(const ListText::Line &line)
{
    // The record of the clicked line, read afresh at its own position: two records with the same
    // line stay apart, and a record that can no longer be read loads nothing.
    try {
        const Archive archive(m_path, m_layout.recordSize());
        if (auto loaded = archive.readAt(line.position))
            m_picked = Picked{loaded->position, loaded->bytes};
    } catch (const ArchiveError &) {
        m_picked.reset();
    }
    closeWindow();
}

void SummaryListWindow::closeWindow()
{
    m_panel->showLines({}, QString());
    accept();
}

std::optional<SummaryListWindow::Picked> SummaryListWindow::pick(const SummaryList &list,
                                                                 const RecordLayout &layout,
                                                                 const QString &archivePath, QWidget *parent)
{
    SummaryListWindow window(list, layout, archivePath, parent);
    window.exec();
    return window.picked();
}
