#include "TfrmMenuPreventivi.h"

#include "TfrmLogo.h"
#include "platform/Platform.h"
#include "quotes/PreventiviRecord.h"
#include "shell/Help.h"
#include "shell/LinkLabel.h"
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

QToolButton *pictureButton(QWidget *parent, const QString &name, const QString &icon, const QString &word)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon::fromTheme(icon));
    button->setIconSize(QSize(32, 32));
    button->setText(word);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TfrmMenuPreventivi::TfrmMenuPreventivi(QWidget *parent) : AreaWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMenuPreventivi"));
    setWindowTitle(QStringLiteral(" Quadrivo - Emissione preventivi"));
    setWindowState(Qt::WindowMaximized);

    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(0xee, 0xf1, 0xf5));
    setPalette(page);
    setAutoFillBackground(true);

    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    auto *centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(buildCard());
    centre->addStretch();

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(ShellLook::headerBand(QStringLiteral("Emissione preventivi"), this));
    root->addStretch(2);
    root->addLayout(centre);
    root->addStretch(3);
    root->addWidget(buildBottomBar());

    setTabOrder(txtAnnoPreventivi, btnApriPreventivi);
}

QWidget *TfrmMenuPreventivi::buildCard()
{
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("card"));
    card->setStyleSheet(
        QStringLiteral("QFrame#card { background: white; border: 1px solid #d3dae3; border-radius: 12px; }"));
    card->setFixedWidth(720);

    // The quotes' picture of the main menu, so the user sees where the click led.
    QLabel *picture =
        ShellLook::pictureLabel(QStringLiteral("imgPreventivi"), QStringLiteral("preventivi"), 128, card);

    auto *heading = new QLabel(QStringLiteral("Emissione preventivi:"), card);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingColour = heading->palette();
    headingColour.setColor(QPalette::WindowText, QColor(0x1b, 0x3a, 0x63));
    heading->setPalette(headingColour);

    lblInfo = new QLabel(
        QStringLiteral("In questo ambiente è possibile archiviare i preventivi emessi ai propri clienti."),
        card);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    QPalette muted = lblInfo->palette();
    muted.setColor(QPalette::WindowText, QColor(0x4a, 0x55, 0x63));
    lblInfo->setPalette(muted);

    auto *annoLabel = new QLabel(QStringLiteral("Anno:"), card);
    QFont fieldFont = annoLabel->font();
    fieldFont.setPointSizeF(fieldFont.pointSizeF() * 1.25);
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

    btnApriPreventivi = new QPushButton(QStringLiteral("Apri"), card);
    btnApriPreventivi->setObjectName(QStringLiteral("btnApriPreventivi"));
    // The main menu's button colours; the orange edge shows where Enter has brought the focus.
    btnApriPreventivi->setStyleSheet(QStringLiteral(
        "QPushButton { background: #2f6db3; color: white; font-weight: bold; border: 2px solid #2f6db3;"
        " border-radius: 5px; padding: 4px 22px; }"
        "QPushButton:hover { background: #3a7bc8; border-color: #3a7bc8; }"
        "QPushButton:pressed { background: #24578f; border-color: #24578f; }"
        "QPushButton:focus { border-color: #f2a93b; }"));
    btnApriPreventivi->setCursor(Qt::PointingHandCursor);
    // Enter on the focused button opens the year, as in the rest of the program.
    btnApriPreventivi->setAutoDefault(true);
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
    rule->setStyleSheet(QStringLiteral("color: #e3e8ee;"));

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

QWidget *TfrmMenuPreventivi::buildBottomBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setStyleSheet(
        QStringLiteral("QFrame#bottomBar { background: white; border-top: 1px solid #d3dae3; }"));

    imgGuida = pictureButton(bar, QStringLiteral("imgGuida"), QStringLiteral("help-contents"),
                             QStringLiteral("Guida"));
    imgEsci = pictureButton(bar, QStringLiteral("imgEsci"), QStringLiteral("application-exit"),
                            QStringLiteral("Esci"));

    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->addWidget(imgGuida);
    layout->addStretch();
    layout->addWidget(imgEsci);

    connect(imgGuida, &QToolButton::clicked, this, &TfrmMenuPreventivi::imgGuidaClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return bar;
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
