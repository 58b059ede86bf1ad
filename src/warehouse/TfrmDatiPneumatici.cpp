#include "TfrmDatiPneumatici.h"

#include "core/TextField.h"
#include "shell/DialogParts.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace {

struct FieldSpec
{
    const char *name;
    const char *label;
    QString DatiPneumatici::*member;
};

const std::array<FieldSpec, 4> kFields = {{
    {"txtConsumo", "Altezza:", &DatiPneumatici::memConsumo},
    {"txtAderenza", "Larghezza:", &DatiPneumatici::memAderenza},
    {"txtRumore", "Lunghezza:", &DatiPneumatici::memRumore},
    {"txtOnde", "Scadenza:", &DatiPneumatici::memOnde},
}};

// The width of the record fields that keep the four texts.
constexpr int kCapacity = 30;

} // namespace

TfrmDatiPneumatici::TfrmDatiPneumatici(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmDatiPneumatici"));
    setWindowTitle(QStringLiteral(" Altre informazioni"));
    // Made before the edits it watches, so it is gone before they are destroyed.
    auto *highlighter = new FocusHighlighter(this);

    QLabel *info = nullptr;
    QHBoxLayout *infoRow = DialogParts::instructionRow(
        QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva per salvare "
                       "le modifiche."),
        this, &info);
    info->setObjectName(QStringLiteral("lblIstruzioni"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    for (size_t i = 0; i < kFields.size(); ++i) {
        const DialogParts::CaptionedEdit field =
            DialogParts::captionedEdit(QLatin1StringView(kFields[i].name),
                                       QString::fromUtf8(kFields[i].label), kCapacity, kCapacity + 4, this);
        field.edit->installEventFilter(this);
        highlighter->watch(field.edit);
        grid->addWidget(field.caption, int(i), 0);
        grid->addWidget(field.edit, int(i), 1);
        m_edits[i] = field.edit;
    }
    auto *fields = new QHBoxLayout;
    fields->addSpacing(38); // under the instruction, clear of its icon
    fields->addLayout(grid, 1);

    const DialogParts::ApplyCancel buttons = DialogParts::applyCancelRow(this);
    btnApplica = buttons.apply;
    btnAnnulla = buttons.cancel;

    DialogParts::layOutEntryDialog(this, infoRow, fields, buttons.row);

    QList<QWidget *> tabChain(m_edits.begin(), m_edits.end());
    DialogParts::setTabChain(tabChain << btnApplica << btnAnnulla);

    connect(btnApplica, &QPushButton::clicked, this, &QDialog::accept);
}

bool TfrmDatiPneumatici::edit(QWidget *parent, DatiPneumatici &data)
{
    TfrmDatiPneumatici window(parent);
    window.setData(data);
    if (window.exec() != QDialog::Accepted)
        return false;
    data = window.data();
    return true;
}

void TfrmDatiPneumatici::setData(const DatiPneumatici &data)
{
    for (size_t i = 0; i < kFields.size(); ++i)
        m_edits[i]->setText(TextField::trim(data.*kFields[i].member));
}

DatiPneumatici TfrmDatiPneumatici::data() const
{
    DatiPneumatici result;
    for (size_t i = 0; i < kFields.size(); ++i)
        result.*kFields[i].member = TextField::trim(m_edits[i]->text());
    return result;
}

void TfrmDatiPneumatici::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        ShellLook::centreOver(this, parentWidget() ? parentWidget()->window() : nullptr);
        m_edits.front()->setFocus(Qt::OtherFocusReason);
    }
}

bool TfrmDatiPneumatici::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(m_edits.begin(), m_edits.end(), watched);
    if (found != m_edits.end() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Height, width, length, expiry, then the button that applies them.
            QWidget *next = found + 1 == m_edits.end() ? static_cast<QWidget *>(btnApplica) : *(found + 1);
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
