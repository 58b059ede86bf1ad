#include "ExportWindow.h"

#include "ExportGridModel.h"
#include "core/Archive.h"
#include "core/ArchiveError.h"
#include "core/RecordLayout.h"
#include "platform/Platform.h"
#include "shell/PictureButton.h"
#include "shell/ShellLook.h"
#include "shell/card/HintLine.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kOpenHint = QStringLiteral("Esportazione archivio in Microsoft Excel.");
const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede presenti "
    "in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i "
                                       "dati.\n\r\n\rAccertarsi che il file di Excel non sia già "
                                       "aperto.");

// The busy cursor for the length of one action.
struct BusyCursor
{
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

ExportWindow::ExportWindow(const ExportMember &member, ExportTable table, QWidget *parent)
    : QDialog(parent), m_member(member)
{
    setObjectName(member.objectName);
    setWindowTitle(member.caption);
    setModal(true);
    ShellLook::setFixedDialogFrame(this);

    m_model = new ExportGridModel(std::move(table), this);
    grdRecords = new QTableView;
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setWordWrap(false);
    // Fixed row heights: the view never measures 100,000 rows.
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setDefaultSectionSize(grdRecords->fontMetrics().height() + 8);
    grdRecords->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    sizeColumns();

    panInfo = new QLabel(kOpenHint);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFrameShape(QFrame::StyledPanel);
    panInfo->setFrameShadow(QFrame::Sunken);
    panInfo->setMinimumHeight(28);
    panInfo->setContentsMargins(6, 0, 6, 0);
    m_hints = new HintLine(this, panInfo);

    m_buttons = new QWidget;
    auto *buttonRow = new QHBoxLayout(m_buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    QToolButton *esporta = addButton(QStringLiteral("cmdEsporta"), QStringLiteral("x-office-spreadsheet"),
                                     QStringLiteral("Esporta"),
                                     QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    QToolButton *guida =
        addButton(QStringLiteral("cmdGuida"), QStringLiteral("help-contents"), QStringLiteral("Guida"),
                  QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    QToolButton *esci =
        addButton(QStringLiteral("cmdEsci"), QStringLiteral("application-exit"), QStringLiteral("Esci"),
                  QStringLiteral("Esci da questo ambiente di lavoro."));
    connect(esporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(guida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(esci, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(panInfo, 1, Qt::AlignVCenter);
    bottom->addWidget(m_buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(grdRecords, 1);
    layout->addLayout(bottom);

    m_hints->addBlank(grdRecords);
    m_hints->addBlank(grdRecords->viewport());
    m_hints->watchBackground();
    setFixedSize(1180, 640);
}

ExportWindow::~ExportWindow() = default;

QToolButton *ExportWindow::addButton(const QString &name, const QString &icon, const QString &word,
                                     const QString &hint)
{
    auto *b = ShellLook::pictureButton(name, icon, word, Qt::ToolButtonTextUnderIcon, 32);
    b->setAutoRaise(true);
    b->setMinimumWidth(72);
    // Taking the focus on a click closes a cell still being edited, so its text is exported.
    b->setFocusPolicy(Qt::StrongFocus);
    m_hints->setHint(b, hint);
    m_buttons->layout()->addWidget(b);
    return b;
}

// On screen the columns are narrower than the widths written to the file, but never narrower
// than their header.
void ExportWindow::sizeColumns()
{
    const QFontMetrics metrics = grdRecords->horizontalHeader()->fontMetrics();
    grdRecords->setColumnWidth(0, 60);
    const auto &columns = m_model->table().columns();
    for (int c = 0; c < columns.size(); ++c) {
        const int header = metrics.horizontalAdvance(columns[c].gridHeader) + 24;
        grdRecords->setColumnWidth(c + 1, qMax(header, columns[c].width * 3 / 5));
    }
}

const ExportTable &ExportWindow::table() const
{
    return m_model->table();
}

QString ExportWindow::filePath() const
{
    return programFile(m_member.fileName);
}

ExportTable ExportWindow::readRows(const ExportMember &member, const QString &archivePath)
{
    ExportTable table(*member.layout, member.columns);
    try {
        const Archive archive(archivePath, member.layout->recordSize());
        table.reserve(QFileInfo(archivePath).size() / archive.recordSize());
        archive.scan([&](qint64 index, const char *record) {
            table.append(index, record); // 1-based position
            return true;
        });
    } catch (const ArchiveError &) {
        // What was read stays in the grid; the rest stays out.
    }
    return table;
}

void ExportWindow::openForArchive(QWidget *parent, const ExportMember &member, const QString &archivePath)
{
    ExportTable table = [&] {
        BusyCursor busy;
        return readRows(member, archivePath);
    }();
    ExportWindow window(member, std::move(table), parent);
    window.exec();
}

void ExportWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        panInfo->setText(kOpenHint);
        ShellLook::centreOnScreen(this);
    }
}

void ExportWindow::cmdEsportaClick()
{
    if (!env().messages->ask(this, kAskExport))
        return;
    if (!exportFile()) {
        env().messages->show(this, MessageKind::Plain, kFailed);
        return;
    }
    if (env().messages->ask(this, kAskOpen))
        env().shell->open(u'"' + filePath() + u'"');
}

bool ExportWindow::exportFile()
{
    BusyCursor busy;
    const ExportTable &rows = m_model->table();
    QProgressDialog progress(QStringLiteral("Esportazione in corso..."), QString(), 0, int(rows.rowCount()),
                             this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    return ExportMembers::saveFile(rows, m_member.sheetName, filePath(),
                                   [&](qint64 done) { progress.setValue(int(done)); });
}

void ExportWindow::cmdGuidaClick()
{
    Help::show(this, m_member.helpPage);
}

void ExportWindow::cmdEsciClick()
{
    close();
}
