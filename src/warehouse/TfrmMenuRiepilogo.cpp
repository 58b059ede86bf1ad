#include "TfrmMenuRiepilogo.h"

#include "MagazzinoRecord.h"
#include "TfrmRiepilogo.h"
#include "platform/Platform.h"
#include "shell/Help.h"
#include "shell/MenuPage.h"
#include "shell/ShellLook.h"
#include "shell/card/CardFocus.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

TfrmMenuRiepilogo::TfrmMenuRiepilogo(QWidget *parent) : AreaWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMenuRiepilogo"));
    setWindowTitle(QStringLiteral(" Quadrivo - Inventario Merce"));
    setWindowState(Qt::WindowMaximized);

    const MenuPage::Bar bar = MenuPage::layOut(this, QStringLiteral("Inventario merce"), buildCard());
    imgGuida = bar.guida;
    imgEsci = bar.esci;
    connect(imgGuida, &QToolButton::clicked, this, [this] { Help::show(this, HelpPage::Inventario); });

    setTabOrder(txtTipologia, btnVisualizza);
}

QFrame *TfrmMenuRiepilogo::buildCard()
{
    QFrame *card = MenuPage::card(this, 760);

    QLabel *picture =
        ShellLook::pictureLabel(QStringLiteral("imgInventario"), QStringLiteral("inventario"), 128, card);

    QLabel *heading = MenuPage::heading(QStringLiteral("Inventario merce:"), card);

    lblApri = MenuPage::mutedLabel(
        QStringLiteral("lblApri"),
        QStringLiteral("Indicare una tipologia di articoli e premere il pulsante Visualizza."), card);

    auto *typeLabel = new QLabel(QStringLiteral("Tipologia:"), card);
    const QFont fieldFont = MenuPage::fieldFont(typeLabel->font());
    typeLabel->setFont(fieldFont);
    txtTipologia = new QLineEdit(card);
    txtTipologia->setObjectName(QStringLiteral("txtTipologia"));
    txtTipologia->setFont(fieldFont);
    txtTipologia->setMinimumWidth(300);
    typeLabel->setBuddy(txtTipologia);

    btnVisualizza = MenuPage::mainButton(QStringLiteral("btnVisualizza"), QStringLiteral("Visualizza"), card);
    btnVisualizza->setMinimumHeight(txtTipologia->sizeHint().height());
    // The waiting line shows from the moment the mouse goes down on the button.
    btnVisualizza->installEventFilter(this);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepilogo::btnVisualizzaClick);

    auto *typeRow = new QHBoxLayout;
    typeRow->setSpacing(10);
    typeRow->addWidget(typeLabel);
    typeRow->addWidget(txtTipologia, 1);
    typeRow->addWidget(btnVisualizza);

    lblInformazioni = MenuPage::mutedLabel(
        QStringLiteral("lblInformazioni"),
        QStringLiteral("Per ottenere l'inventario di tutti gli articoli in magazzino, "
                       "premere il pulsante Visualizza senza indicare alcuna tipologia."),
        card);
    lblAttendere = new QLabel(QStringLiteral("Caricamento inventario in corso. Attendere..."), card);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    QFont bold = lblAttendere->font();
    bold.setBold(true);
    lblAttendere->setFont(bold);
    ShellLook::setTextColour(lblAttendere, ShellLook::Palette::alert);
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
