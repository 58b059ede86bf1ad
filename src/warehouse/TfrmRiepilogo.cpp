#include "TfrmRiepilogo.h"

#include "Inventory.h"
#include "core/ArchiveError.h"
#include "platform/Platform.h"
#include "reports/ListReport.h"
#include "services/ResultListModel.h"
#include "services/ResultsPanel.h"
#include "shell/DialogParts.h"
#include "shell/Help.h"
#include "shell/ShellLook.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *boldLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TfrmRiepilogo::TfrmRiepilogo(const QString &archivePath, const QString &type, QWidget *parent)
    : QDialog(parent), m_path(archivePath), m_type(type), m_model(new ResultListModel(this))
{
    setObjectName(QStringLiteral("TfrmRiepilogo"));
    setWindowTitle(QStringLiteral(" Quadrivo - Inventario Merce"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setWindowState(Qt::WindowMaximized);

    lblTipologia = new QLabel(QStringLiteral("Tipologia selezionata:"), this);
    lblTipologia->setObjectName(QStringLiteral("lblTipologia"));
    titTipologia = boldLabel(QStringLiteral("titTipologia"), QString(), this);
    QFont big = titTipologia->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    titTipologia->setFont(big);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(lblTipologia);
    typeRow->addWidget(titTipologia);
    typeRow->addStretch();

    lstRecords = new QListView(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setModel(m_model);
    lstRecords->setUniformItemSizes(true);
    lstRecords->setWordWrap(false);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(12);
    lstRecords->setFont(mono);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 14, 18, 10);
    root->setSpacing(10);
    root->addLayout(typeRow);
    root->addLayout(DialogParts::instructionRow(
        QStringLiteral(
            "Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da cercare "
            "e premere il pulsante Trova.\n"
            "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
            "nuovo clic su Trova."),
        this));
    root->addWidget(buildFindRow());
    root->addWidget(lstRecords, 1);
    root->addWidget(buildBottom());

    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnEsci);
}

QWidget *TfrmRiepilogo::buildFindRow()
{
    auto *row = new QWidget(this);
    txtTrova = new QLineEdit(row);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setMinimumWidth(360);
    QFont bold = txtTrova->font();
    bold.setBold(true);
    txtTrova->setFont(bold);
    btnTrova = ResultsPanel::button(QStringLiteral("btnTrova"), QStringLiteral("edit-find"),
                                    QStringLiteral("Trova"), row);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmRiepilogo::btnTrovaClick);
    ResultsPanel::enterMovesTo(txtTrova, btnTrova);

    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtTrova);
    layout->addWidget(btnTrova);
    layout->addStretch();
    return row;
}

QWidget *TfrmRiepilogo::buildBottom()
{
    auto *bottom = new QWidget(this);
    infValore = boldLabel(QStringLiteral("infValore"), QStringLiteral("Valore totale:"), bottom);
    lblTotale = boldLabel(QStringLiteral("lblTotale"), QString(), bottom);
    QFont big = lblTotale->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lblTotale->setFont(big);
    infValore->setFont(big);
    ShellLook::setTextColour(lblTotale, ShellLook::Palette::alert);

    btnStampa = ResultsPanel::button(QStringLiteral("btnStampa"), QStringLiteral("document-print"),
                                     QStringLiteral("Stampa inventario"), bottom);
    btnEsci = ResultsPanel::button(QStringLiteral("btnEsci"), QStringLiteral("application-exit"),
                                   QStringLiteral("Esci"), bottom);
    imgGuida = new QToolButton(bottom);
    imgGuida->setObjectName(QStringLiteral("imgGuida"));
    imgGuida->setIcon(QIcon::fromTheme(QStringLiteral("help-contents")));
    imgGuida->setText(QStringLiteral("Guida"));
    imgGuida->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    imgGuida->setAutoRaise(true);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmRiepilogo::btnStampaClick);
    connect(btnEsci, &QPushButton::clicked, this, &QDialog::accept);
    connect(imgGuida, &QToolButton::clicked, this, [this] { Help::show(this, HelpPage::Inventario); });

    panInfo = new QLabel(bottom);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFrameShape(QFrame::StyledPanel);
    panInfo->setMargin(4);

    auto *totalRow = new QHBoxLayout;
    totalRow->setSpacing(10);
    totalRow->addWidget(infValore);
    totalRow->addWidget(lblTotale);
    totalRow->addStretch();
    totalRow->addWidget(imgGuida);
    totalRow->addWidget(btnStampa);
    totalRow->addWidget(btnEsci);

    auto *layout = new QVBoxLayout(bottom);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addLayout(totalRow);
    layout->addWidget(panInfo);
    return bottom;
}

QStringList TfrmRiepilogo::lines() const
{
    return m_model->texts();
}

void TfrmRiepilogo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        build();
}

void TfrmRiepilogo::build()
{
    m_jump.reset();
    txtTrova->clear();
    lblTotale->setText(QStringLiteral("0,00"));
    panInfo->clear();
    Inventory::Result result;
    bool complete = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        Inventory::buildInto(m_path, m_type, true, result);
    } catch (const ArchiveError &) {
        // The list stays as far as it got; the total and count stay unfinished.
        complete = false;
        result.lines.sort();
    }
    QApplication::restoreOverrideCursor();
    titTipologia->setText(result.selectedType);
    const int count = int(result.lines.size());
    m_model->setLines(std::move(result.lines));
    if (!complete) {
        lblTotale->setText(result.runningTotal);
        return;
    }
    lblTotale->setText(result.total);
    panInfo->setText(QStringLiteral("Il presente inventario contiene %1 articoli.").arg(count));
    txtTrova->setFocus(Qt::OtherFocusReason);
    const QString warning = Inventory::unreadableWarning(int(result.unreadable.size()));
    if (!warning.isEmpty())
        env().messages->show(this, MessageKind::Warning, warning);
}

void TfrmRiepilogo::btnTrovaClick()
{
    const QModelIndex current = lstRecords->currentIndex();
    const int selected =
        current.isValid() && lstRecords->selectionModel()->isSelected(current) ? current.row() : -1;
    const auto result = m_jump.next(m_model->rowCount(), selected, txtTrova->text(),
                                    [this](int row) { return m_model->line(row).text; });
    if (result.outcome == KeywordJump::Outcome::EmptyList) {
        env().messages->show(this, MessageKind::Information,
                             QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const QModelIndex index = m_model->index(result.row);
    lstRecords->setCurrentIndex(index);
    lstRecords->scrollTo(index);
}

void TfrmRiepilogo::btnStampaClick()
{
    ListReport::print(this, Inventory::printTitle(titTipologia->text()), m_model->texts(),
                      Inventory::closingLines(lblTotale->text()));
}

void TfrmRiepilogo::done(int result)
{
    m_model->setLines({});
    QDialog::done(result);
}
