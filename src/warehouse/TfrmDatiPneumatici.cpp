#include "TfrmDatiPneumatici.h"

#include "core/TextField.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
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

    auto *infoIcon = new QLabel(this);
    infoIcon->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information")).pixmap(32, 32));
    auto *info =
        new QLabel(QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante "
                                  "Salva per salvare le modifiche."),
                   this);
    info->setObjectName(QStringLiteral("lblIstruzioni"));
    info->setWordWrap(true);
    auto *infoRow = new QHBoxLayout;
    infoRow->addWidget(infoIcon, 0, Qt::AlignTop);
    infoRow->addSpacing(6);
    infoRow->addWidget(info, 1);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    for (size_t i = 0; i < kFields.size(); ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1StringView(kFields[i].name));
        edit->setMaxLength(kCapacity);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * (kCapacity + 4));
        edit->installEventFilter(this);
        highlighter->watch(edit);
        auto *label = new QLabel(QString::fromUtf8(kFields[i].label), this);
        label->setBuddy(edit);
        grid->addWidget(label, int(i), 0);
        grid->addWidget(edit, int(i), 1);
        m_edits[i] = edit;
    }
    auto *fields = new QHBoxLayout;
    fields->addSpacing(38); // under the instruction, clear of its icon
    fields->addLayout(grid, 1);

    btnApplica = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok-apply")),
                                 QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla =
        new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-cancel")), QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 16, 18, 14);
    root->addLayout(infoRow);
    root->addSpacing(12);
    root->addLayout(fields);
    root->addSpacing(16);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    for (size_t i = 1; i < m_edits.size(); ++i)
        setTabOrder(m_edits[i - 1], m_edits[i]);
    setTabOrder(m_edits.back(), btnApplica);
    setTabOrder(btnApplica, btnAnnulla);

    connect(btnApplica, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
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
