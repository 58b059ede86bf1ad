#include "ResultsPanel.h"

#include "ResultListModel.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QString emptyListMessage()
{
    return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
}

// Enter in the keyword edit moves to "Trova" rather than pressing the dialog's default button.
class EnterToButton : public QObject
{
public:
    EnterToButton(QLineEdit *edit, QPushButton *button) : QObject(edit), m_button(button)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_button->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QPushButton *m_button;
};

} // namespace

void ResultsPanel::enterMovesTo(QLineEdit *edit, QPushButton *button)
{
    new EnterToButton(edit, button);
}

QPushButton *ResultsPanel::button(const QString &name, const QString &icon, const QString &text,
                                  QWidget *parent)
{
    auto *b = new QPushButton(QIcon::fromTheme(icon), text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

ResultsPanel::ResultsPanel(QWidget *parent) : QWidget(parent), m_model(new ResultListModel(this))
{
    setObjectName(QStringLiteral("panContainer"));

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
    QPalette palette = lstRecords->palette();
    palette.setColor(QPalette::Text, Qt::black);
    lstRecords->setPalette(palette);
    connect(lstRecords, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            Q_EMIT lineActivated(m_model->line(index.row()));
    });

    lblTrovate = new QLabel(this);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    QFont bold = lblTrovate->font();
    bold.setBold(true);
    lblTrovate->setFont(bold);

    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setMinimumWidth(320);
    btnTrova = button(QStringLiteral("btnTrova"), QStringLiteral("edit-find"), QStringLiteral("Trova"), this);
    connect(btnTrova, &QPushButton::clicked, this, &ResultsPanel::btnTrovaClick);
    new EnterToButton(txtTrova, btnTrova);
    btnStampa =
        button(QStringLiteral("btnStampa"), QStringLiteral("document-print"), QStringLiteral("Stampa"), this);
    btnChiudi =
        button(QStringLiteral("btnChiudi"), QStringLiteral("window-close"), QStringLiteral("Chiudi"), this);

    auto *findRow = new QHBoxLayout;
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch();
    findRow->addWidget(btnStampa);
    findRow->addWidget(btnChiudi);

    auto *instructions = new QVBoxLayout;
    instructions->setSpacing(2);
    instructions->addLayout(DialogParts::instructionRow(
        QStringLiteral(
            "Immettere una o pi\u00F9 parole consecutive presenti nella scheda in elenco da cercare "
            "e premere il pulsante Trova.\n"
            "Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
            "nuovo clic su Trova.\n"
            "Per richiamare i dati di una scheda, selezionarla con un doppio clic."),
        this, &m_instructions));

    m_extra = new QVBoxLayout;
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addLayout(instructions);
    root->addLayout(findRow);
    root->addWidget(lstRecords, 1);
    root->addWidget(lblTrovate);
    root->addLayout(m_extra);
    setTabOrder(txtTrova, btnTrova);
    setTabOrder(btnTrova, lstRecords);
    setTabOrder(lstRecords, btnStampa);
    setTabOrder(btnStampa, btnChiudi);
}

void ResultsPanel::showLines(ListText::Lines lines, const QString &countPrefix)
{
    m_model->setLines(std::move(lines));
    lblTrovate->setText(countPrefix + QString::number(m_model->rowCount()) + QStringLiteral(" schede."));
}

std::optional<ListText::Line> ResultsPanel::selectedLine() const
{
    const QModelIndex index = lstRecords->currentIndex();
    if (!index.isValid() || !lstRecords->selectionModel()->isSelected(index))
        return std::nullopt;
    return m_model->line(index.row());
}

QStringList ResultsPanel::texts() const
{
    return m_model->texts();
}

int ResultsPanel::lineCount() const
{
    return m_model->rowCount();
}

void ResultsPanel::setInstructions(const QString &text)
{
    m_instructions->setText(text);
}

void ResultsPanel::startKeywordSearch()
{
    txtTrova->clear();
    m_jump.reset();
    txtTrova->setFocus(Qt::OtherFocusReason);
}

void ResultsPanel::btnTrovaClick()
{
    const int selectedRow = selectedLine() ? lstRecords->currentIndex().row() : -1;
    const auto result = m_jump.next(m_model->rowCount(), selectedRow, txtTrova->text(),
                                    [this](int row) { return m_model->lines().text(row); });
    if (result.outcome == KeywordJump::Outcome::EmptyList) {
        env().messages->show(window(), MessageKind::Plain, emptyListMessage());
        return;
    }
    const QModelIndex index = m_model->index(result.row);
    lstRecords->setCurrentIndex(index);
    lstRecords->scrollTo(index);
}
