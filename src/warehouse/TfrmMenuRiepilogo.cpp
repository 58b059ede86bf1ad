#include "TfrmMenuRiepilogo.h"

#include "MagazzinoRecord.h"
#include "TfrmRiepilogo.h"
#include "platform/Platform.h"
#include "shell/Help.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"

#include <QEvent>
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

QLabel *mutedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    QPalette muted = label->palette();
    muted.setColor(QPalette::WindowText, QColor(0x4a, 0x55, 0x63));
    label->setPalette(muted);
    return label;
}

} // namespace

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent) : AreaWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMenuRiepilogo"));
    setWindowTitle(QStringLiteral(" Quadrivo - Inventario Merce"));
    setWindowState(Qt::WindowMaximized);

    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(0xee, 0xf1, 0xf5));
    setPalette(page);
    setAutoFillBackground(true);

    auto *centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(buildCard());
    centre->addStretch();

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(ShellLook::headerBand(QStringLiteral("Inventario merce"), this));
    root->addStretch(2);
    root->addLayout(centre);
    root->addStretch(3);
    root->addWidget(buildBottomBar());

    setTabOrder(txtTipologia, btnVisualizza);
}

QWidget *TfrmMenuRiepilogo::buildCard()
{
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("card"));
    card->setStyleSheet(
        QStringLiteral("QFrame#card { background: white; border: 1px solid #d3dae3; border-radius: 12px; }"));
    card->setFixedWidth(760);

    QLabel *picture =
        ShellLook::pictureLabel(QStringLiteral("imgInventario"), QStringLiteral("inventario"), 128, card);

    auto *heading = new QLabel(QStringLiteral("Inventario merce:"), card);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QPalette headingColour = heading->palette();
    headingColour.setColor(QPalette::WindowText, QColor(0x1b, 0x3a, 0x63));
    heading->setPalette(headingColour);

    lblApri = mutedLabel(
        QStringLiteral("lblApri"),
        QStringLiteral("Indicare una tipologia di articoli e premere il pulsante Visualizza."), card);

    auto *typeLabel = new QLabel(QStringLiteral("Tipologia:"), card);
    QFont fieldFont = typeLabel->font();
    fieldFont.setPointSizeF(fieldFont.pointSizeF() * 1.25);
    typeLabel->setFont(fieldFont);
    txtTipologia = new QLineEdit(card);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
    txtTipologia->setFont(fieldFont);
    txtTipologia->setMinimumWidth(300);
    typeLabel->setBuddy(txtTipologia);

    btnVisualizza = new QPushButton(QStringLiteral("Visualizza"), card);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnVisualizza->setStyleSheet(QStringLiteral(
        "QPushButton { background: #2f6db3; color: white; font-weight: bold; border: 2px solid #2f6db3;"
        " border-radius: 5px; padding: 4px 22px; }"
        "QPushButton:hover { background: #3a7bc8; border-color: #3a7bc8; }"
        "QPushButton:pressed { background: #24578f; border-color: #24578f; }"
        "QPushButton:focus { border-color: #f2a93b; }"));
    btnVisualizza->setCursor(Qt::PointingHandCursor);
    btnVisualizza->setAutoDefault(true);
    btnVisualizza->setMinimumHeight(txtTipologia->sizeHint().height());
    // The waiting line shows from the moment the mouse goes down on the button.
    btnVisualizza->installEventFilter(this);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVisualizzaClick);

    auto *typeRow = new QHBoxLayout;
    typeRow->setSpacing(10);
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(txtTipologia, 1);
    typeRow->addWidget(btnVisualizza);

    lblInformazioni =
        mutedLabel(QStringLiteral("lblInformazioni"),
                   QStringLiteral("Per ottenere l'inventario di tutti gli articoli in magazzino, "
                                  "premere il pulsante Visualizza senza indicare alcuna tipologia."),
                   card);
    lblAttendere = new QLabel(QStringLiteral("Caricamento inventario in corso. Attendere..."), card);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    QFont bold = lblAttendere->font();
    bold.setBold(true);
    lblAttendere->setFont(bold);
    QPalette maroon = lblAttendere->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
    lblAttendere->setPalette(maroon);
    // Keeps its room while hidden, so the card does not jump when it shows.
    QSizePolicy keep = lblAttendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblAttendere->setSizePolicy(keep);
    lblAttendere->hide();

    auto *text = new QVBoxLayout;
    text->setSpacing(8);
    text->addWidget(heading);
    text->addWidget(lblApri);
    text->addSpacing(10);
    text->addLayout(typeRow);
    text->addSpacing(6);
    text->addWidget(lblInformazioni);
    text->addWidget(lblAttendere);
    text->addStretch();

    auto *layout = new QHBoxLayout(card);
    layout->setContentsMargins(32, 28, 32, 24);
    layout->setSpacing(24);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(text, 1);

    auto *enter = new EnterChain(this);
    enter->setTarget(txtTipologia, btnVisualizza);
    return card;
}

QWidget *TfrmMenuRiepilogo::buildBottomBar()
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
    connect(imgGuida, &QToolButton::clicked, this, [this] { Help::show(this, HelpPage::Inventario); });
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return bar;
}

void TfrmMenuRiepilogo::showEvent(QShowEvent *event)
{
    AreaWindow::showEvent(event);
    if (event->spontaneous())
        return;
    txtTipologia->clear();
    txtTipologia->setFocus();
}

bool TfrmMenuRiepilogo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == btnVisualizza && event->type() == QEvent::MouseButtonPress) {
        lblAttendere->show();
        lblAttendere->repaint();
    }
    return AreaWindow::eventFilter(watched, event);
}

void TfrmMenuRiepilogo::btnVisualizzaClick()
{
    lblAttendere->show();
    lblAttendere->repaint();
    {
        TfrmRiepilogo list(programFile(QLatin1StringView(Magazzino::fileName())), txtTipologia->text(), this);
        list.exec();
    }
    lblAttendere->hide();
}
