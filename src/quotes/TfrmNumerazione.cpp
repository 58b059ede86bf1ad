#include "TfrmNumerazione.h"

#include "QuoteNumbering.h"
#include "Taccuino.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"
#include "shell/card/CardFocus.h"
#include "shell/card/KeyFilters.h"
#include "shell/card/LeaveRule.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kModePreventivi = QStringLiteral("preventivi");
const QString kWriteFailed = QStringLiteral(
    "Attenzione: non è stato possibile salvare il numero iniziale nel file Taccuino.ini.\n\r\n\r"
    "Verificare che la cartella del programma sia accessibile in scrittura e riprovare.");

QString settingsPath()
{
    return programFile(Taccuino::fileName());
}

} // namespace

TfrmNumerazione::TfrmNumerazione(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmNumerazione"));

    txtInizio = new QLineEdit(this);
    txtInizio->setObjectName(QStringLiteral("txtInizio"));
    txtInizio->setMaxLength(5);
    txtInizio->setAlignment(Qt::AlignRight);
    QFont big = txtInizio->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    txtInizio->setFont(big);
    txtInizio->setFixedWidth(txtInizio->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 16);
    txtInizio->installEventFilter(new DigitsOnlyFilter(txtInizio));
    // Changed or not: a stored "007" shown as it is still becomes 7.
    LeaveRule::install(txtInizio, QuoteNumbering::leaveStart);

    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon::fromTheme(QStringLiteral("format-list-ordered")).pixmap(32, 32));

    auto *group = new QGroupBox(QStringLiteral(" Inizia numerazione da: "), this);
    group->setMinimumWidth(340);
    // The window as wide as its caption, which a title bar would otherwise cut in the middle: a
    // title bar's bold text, plus room for its icon and its buttons.
    connect(this, &QWidget::windowTitleChanged, group, [group](const QString &title) {
        QFont bold = group->font();
        bold.setBold(true);
        const int captionWidth = QFontMetrics(bold).horizontalAdvance(title) + 160;
        group->setMinimumWidth(qMax(340, captionWidth - 32));
    });
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->setContentsMargins(12, 10, 12, 12);
    groupLayout->addWidget(icon);
    groupLayout->addSpacing(6);
    groupLayout->addWidget(txtInizio);
    groupLayout->addStretch();

    const DialogParts::ApplyCancel buttons = DialogParts::applyCancelRow(this);
    btnApplica = buttons.apply;
    btnAnnulla = buttons.cancel;
    lblMemory = DialogParts::memoryLabel(this);

    QVBoxLayout *root = DialogParts::fixedSizeLayout(this, {16, 14, 16, 14});
    root->addWidget(group);
    root->addSpacing(8);
    root->addLayout(buttons.row);

    auto *enter = new EnterChain(this);
    enter->setTarget(txtInizio, btnApplica);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmNumerazione::btnApplicaClick);
}

void TfrmNumerazione::run(QWidget *parent)
{
    TfrmNumerazione window(parent);
    window.setWindowTitle(QStringLiteral(" Impostazione inizio numerazione preventivi"));
    window.setMode(kModePreventivi);
    window.exec();
}

void TfrmNumerazione::setMode(const QString &tag)
{
    lblMemory->setText(tag);
}

QString TfrmNumerazione::mode() const
{
    return lblMemory->text();
}

void TfrmNumerazione::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    QString start;
    if (mode() == kModePreventivi)
        start = Taccuino::readNumbering(settingsPath()).inizio;
    txtInizio->setText(QuoteNumbering::shownStart(start));
    txtInizio->setFocus();
}

void TfrmNumerazione::btnApplicaClick()
{
    // Applying by keyboard does not leave the field: the value is normalised here as well.
    txtInizio->setText(QuoteNumbering::leaveStart(txtInizio->text()));
    if (mode() == kModePreventivi && !Taccuino::writeInizio(settingsPath(), txtInizio->text().trimmed())) {
        env().messages->show(this, MessageKind::Warning, kWriteFailed);
        return;
    }
    accept();
}
