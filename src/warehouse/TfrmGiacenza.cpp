#include "TfrmGiacenza.h"

#include "shell/DialogParts.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"
#include "shell/card/KeyFilters.h"
#include "shell/card/LeaveRule.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using StockAdjustment::Direction;

namespace {

QLineEdit *numberEdit(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1StringView(name));
    e->setAlignment(Qt::AlignRight);
    // Room for the sixteen digits the edit may hold before the next key empties it.
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(17, u'0')) + 16);
    return e;
}

} // namespace

TfrmGiacenza::TfrmGiacenza(Direction direction, QWidget *parent) : QDialog(parent), m_direction(direction)
{
    setObjectName(QStringLiteral("TfrmGiacenza"));
    setWindowTitle(QStringLiteral(" Aggiornamento giacenza"));
    // Made before the edits it watches, so it is gone before they are destroyed.
    auto *highlighter = new FocusHighlighter(this);

    txtGiacenza = numberEdit("txtGiacenza", this);
    auto *lblGiacenza = new QLabel(QStringLiteral("Giacenza attuale:"), this);
    lblGiacenza->setBuddy(txtGiacenza);
    txtAggiunta = numberEdit("txtAggiunta", this);
    lblAggiunta = new QLabel(StockAdjustment::quantityLabel(direction), this);
    lblAggiunta->setObjectName(QStringLiteral("lblAggiunta"));
    lblAggiunta->setBuddy(txtAggiunta);

    btnTotale = new QPushButton(QIcon::fromTheme(QStringLiteral("accessories-calculator")),
                                QStringLiteral("Calcola totale"), this);
    btnTotale->setObjectName(QStringLiteral("btnTotale"));
    txtTotale = numberEdit("txtTotale", this);
    txtTotale->setReadOnly(true);
    QPalette crimson = txtTotale->palette();
    crimson.setColor(QPalette::Text, ShellLook::Palette::crimson);
    txtTotale->setPalette(crimson);
    QFont bold = txtTotale->font();
    bold.setBold(true);
    txtTotale->setFont(bold);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(lblGiacenza, 0, 0);
    grid->addWidget(txtGiacenza, 0, 1);
    grid->addWidget(lblAggiunta, 1, 0);
    grid->addWidget(txtAggiunta, 1, 1);
    grid->setRowMinimumHeight(2, 6);
    grid->addWidget(btnTotale, 3, 0);
    grid->addWidget(txtTotale, 3, 1);

    // The common button row, under this window's own names.
    const DialogParts::ApplyCancel row = DialogParts::applyCancelRow(this);
    btnAggiorna = row.apply;
    btnAggiorna->setObjectName(QStringLiteral("btnAggiorna"));
    btnChiudi = row.cancel;
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));

    QVBoxLayout *root = DialogParts::fixedSizeLayout(this, QMargins(18, 16, 18, 14));
    root->addLayout(grid);
    root->addSpacing(16);
    root->addLayout(row.row);

    for (QLineEdit *edit : {txtGiacenza, txtAggiunta}) {
        // Installed first, so this window's own filter (length, Enter) sees each key before it.
        edit->installEventFilter(new DigitsOnlyFilter(edit));
        edit->installEventFilter(this);
        LeaveRule::install(edit, StockAdjustment::leave);
        highlighter->watch(edit);
    }
    setTabOrder(txtGiacenza, txtAggiunta);
    setTabOrder(txtAggiunta, btnTotale);
    setTabOrder(btnTotale, txtTotale);
    setTabOrder(txtTotale, btnAggiorna);
    setTabOrder(btnAggiorna, btnChiudi);

    connect(btnTotale, &QPushButton::clicked, this, &TfrmGiacenza::btnTotaleClick);
    connect(btnAggiorna, &QPushButton::clicked, this, &TfrmGiacenza::btnAggiornaClick);
}

std::optional<QString> TfrmGiacenza::adjust(QWidget *parent, Direction direction, const QString &stock)
{
    TfrmGiacenza window(direction, parent);
    window.setTexts(StockAdjustment::opening(stock).window);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.appliedStock();
}

void TfrmGiacenza::setTexts(const StockAdjustment::Texts &texts)
{
    txtGiacenza->setText(texts.giacenza);
    txtAggiunta->setText(texts.aggiunta);
    txtTotale->setText(texts.totale);
}

StockAdjustment::Texts TfrmGiacenza::texts() const
{
    return {txtGiacenza->text(), txtAggiunta->text(), txtTotale->text()};
}

void TfrmGiacenza::btnTotaleClick()
{
    setTexts(StockAdjustment::calcolaTotale(m_direction, texts()));
}

void TfrmGiacenza::btnAggiornaClick()
{
    m_applied = StockAdjustment::apply(m_direction, texts());
    accept();
}

void TfrmGiacenza::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        ShellLook::centreOnScreen(this);
        txtGiacenza->setFocus(Qt::OtherFocusReason);
        txtGiacenza->selectAll();
    }
}

bool TfrmGiacenza::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit != txtGiacenza && edit != txtAggiunta)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typing = !key->text().isEmpty() || key->key() == Qt::Key_Delete;
        if (typing && StockAdjustment::keyEmpties(edit->text())) {
            // Too many digits to be a stock: the next key starts the number again.
            edit->clear();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QWidget *next = edit == txtGiacenza ? static_cast<QWidget *>(txtAggiunta) : btnTotale;
            next->setFocus(Qt::TabFocusReason);
            return true; // never the dialog's default button
        }
    }
    return QDialog::eventFilter(watched, event);
}
