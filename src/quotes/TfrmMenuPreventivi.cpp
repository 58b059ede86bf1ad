#include "TfrmMenuPreventivi.h"

#include "TfrmLogo.h"
#include "platform/Platform.h"
#include "quotes/PreventiviRecord.h"
#include "shell/Help.h"
#include "shell/LinkLabel.h"
#include "shell/MenuPage.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"
#include "shell/card/KeyFilters.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTagAvvio = QStringLiteral("avvio");
const QString kTagPreventivi = QStringLiteral("preventivi");
const QString kFourDigits = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

// Four characters, all of them digits: a pasted "24  " or "../x" must never name a file.
bool isFourDigitYear(const QString &text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

TfrmMenuPreventivi::TfrmMenuPreventivi(QWidget *parent) : AreaWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMenuPreventivi"));
    setWindowTitle(QStringLiteral(" Quadrivo - Emissione preventivi"));
    setWindowState(Qt::WindowMaximized);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    const MenuPage::Bar bar = MenuPage::layOut(this, QStringLiteral("Emissione preventivi"), buildCard());
    imgGuida = bar.guida;
    imgEsci = bar.esci;
    connect(imgGuida, &QToolButton::clicked, this, &TfrmMenuPreventivi::imgGuidaClick);

    setTabOrder(txtAnnoPreventivi, btnApriPreventivi);
}

QFrame *TfrmMenuPreventivi::buildCard()
{
    QFrame *card = MenuPage::card(this, 720);

    // The quotes' picture of the main menu, so the user sees where the click led.
    QLabel *picture =
        ShellLook::pictureLabel(QStringLiteral("imgPreventivi"), QStringLiteral("preventivi"), 128, card);

    QLabel *heading = MenuPage::heading(QStringLiteral("Emissione preventivi:"), card);

    lblInfo = MenuPage::mutedLabel(
        QStringLiteral("lblInfo"),
        QStringLiteral("In questo ambiente è possibile archiviare i preventivi emessi ai propri clienti."),
        card);

    auto *annoLabel = new QLabel(QStringLiteral("Anno:"), card);
    const QFont fieldFont = MenuPage::fieldFont(annoLabel->font());
    annoLabel->setFont(fieldFont);

    txtAnnoPreventivi = new QLineEdit(card);
    txtAnnoPreventivi->setObjectName(QStringLiteral("txtAnnoPreventivi"));
    txtAnnoPreventivi->setMaxLength(4);
    txtAnnoPreventivi->setAlignment(Qt::AlignCenter);
    txtAnnoPreventivi->setFont(fieldFont);
    txtAnnoPreventivi->setFixedWidth(
        txtAnnoPreventivi->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 18);
    txtAnnoPreventivi->installEventFilter(new DigitsOnlyFilter(txtAnnoPreventivi));
    annoLabel->setBuddy(txtAnnoPreventivi);

    btnApriPreventivi =
        MenuPage::mainButton(QStringLiteral("btnApriPreventivi"), QStringLiteral("Apri"), card);
    btnApriPreventivi->setMinimumHeight(txtAnnoPreventivi->sizeHint().height());

    auto *yearRow = new QHBoxLayout;
    yearRow->setSpacing(10);
    yearRow->addWidget(annoLabel);
    yearRow->addWidget(txtAnnoPreventivi);
    yearRow->addWidget(btnApriPreventivi);
    yearRow->addStretch();

    auto *text = new QVBoxLayout;
    text->setSpacing(8);
    text->addWidget(heading);
    text->addWidget(lblInfo);
    text->addSpacing(10);
    text->addLayout(yearRow);
    text->addStretch();

    auto *top = new QHBoxLayout;
    top->setSpacing(24);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto *rule = new QFrame(card);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(ShellLook::textColourStyle(ShellLook::Palette::rule));

    imgEmail = new QLabel(card);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    imgEmail->setPixmap(QIcon::fromTheme(QStringLiteral("insert-image")).pixmap(22, 22));
    lnkWeb = new LinkLabel(QStringLiteral("Imposta logo Ditta"), card);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->addPicture(imgEmail);

    auto *linkRow = new QHBoxLayout;
    linkRow->setSpacing(6);
    linkRow->addWidget(imgEmail);
    linkRow->addWidget(lnkWeb);
    linkRow->addStretch();

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(32, 28, 32, 18);
    layout->setSpacing(14);
    layout->addLayout(top);
    layout->addWidget(rule);
    layout->addLayout(linkRow);

    // Enter in the year goes to "Apri"; Enter there opens the year.
    auto *enter = new EnterChain(this);
    enter->setTarget(txtAnnoPreventivi, btnApriPreventivi);

    connect(btnApriPreventivi, &QPushButton::clicked, this, &TfrmMenuPreventivi::btnApriPreventiviClick);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmMenuPreventivi::lnkWebClick);
    return card;
}

void TfrmMenuPreventivi::showEvent(QShowEvent *event)
{
    AreaWindow::showEvent(event);
    // Un-minimising is not a new visit: the year typed so far stays.
    if (event->spontaneous())
        return;
    const int year = env().clock->now().date().year();
    txtAnnoPreventivi->setText(QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')));
    lblMemory->setText(kTagAvvio);
    txtAnnoPreventivi->setFocus();
}

void TfrmMenuPreventivi::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (lblMemory->text() == kTagPreventivi)
        Q_EMIT openYear(m_yearFilePath, m_quoteCaption);
    else
        Q_EMIT closedToMenu();
}

void TfrmMenuPreventivi::btnApriPreventiviClick()
{
    if (!isFourDigitYear(txtAnnoPreventivi->text())) {
        env().messages->show(this, MessageKind::Warning, kFourDigits);
        txtAnnoPreventivi->setFocus();
        return;
    }
    const QString year = txtAnnoPreventivi->text().trimmed();
    m_yearFilePath = programFile(year + QString::fromLatin1(Preventivi::fileSuffix()));
    m_quoteCaption = QStringLiteral(" Quadrivo - Emissione preventivi anno ") + year;
    lblMemory->setText(kTagPreventivi);
    close();
}

void TfrmMenuPreventivi::lnkWebClick()
{
    TfrmLogo::run(this);
}

void TfrmMenuPreventivi::imgGuidaClick()
{
    Help::show(this, HelpPage::Preventivi);
}
