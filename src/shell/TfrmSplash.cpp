#include "TfrmSplash.h"

#include "LinkLabel.h"
#include "Maker.h"
#include "ShellLook.h"
#include "TMisc.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" Crediti"));
    ShellLook::setFixedDialogFrame(this);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QStringLiteral("TfrmSplash { background: white; }"));

    auto *col = new QVBoxLayout(this);
    col->setContentsMargins(36, 28, 36, 20);
    col->setSpacing(10);

    col->addWidget(ShellLook::pictureLabel(QStringLiteral("imgLogo"), QStringLiteral("quadrivo"), 112, this),
                   0, Qt::AlignHCenter);
    auto *name = new QLabel(QStringLiteral("Quadrivo"), this);
    name->setObjectName(QStringLiteral("lblProdotto"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.2);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(ShellLook::textColourStyle(ShellLook::Palette::navy));
    col->addWidget(name, 0, Qt::AlignHCenter);
    const QString version = QCoreApplication::applicationVersion();
    if (!version.isEmpty()) {
        auto *ver = new QLabel(QStringLiteral("Versione ") + version, this);
        ver->setStyleSheet(ShellLook::textColourStyle(ShellLook::Palette::muted));
        col->addWidget(ver, 0, Qt::AlignHCenter);
    }
    col->addSpacing(8);

    auto *credits =
        new QLabel(QString::fromUtf16(u"Realizzato con le librerie Qt.\n"
                                      u"Icone del tema Breeze, caratteri Liberation.\n"
                                      u"Grazie a chi rende liberamente disponibili questi strumenti."),
                   this);
    credits->setObjectName(QStringLiteral("lblCrediti"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setStyleSheet(ShellLook::textColourStyle(ShellLook::Palette::ink));
    col->addWidget(credits);
    col->addSpacing(8);

    auto *imgWeb =
        ShellLook::themeIconLabel(QStringLiteral("imgWeb"), QStringLiteral("internet-web-browser"), 22, this);
    auto *lnkWeb = new LinkLabel(QUrl(Maker::webSite()).host(), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->addPicture(imgWeb);
    auto *site = new QHBoxLayout;
    site->setSpacing(6);
    site->addStretch(1);
    site->addWidget(imgWeb);
    site->addWidget(lnkWeb);
    site->addStretch(1);
    col->addLayout(site);
    col->addSpacing(6);

    auto *btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setDefault(true);
    col->addWidget(btnChiudi, 0, Qt::AlignHCenter);
    col->setSizeConstraint(QLayout::SetFixedSize);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ShellLook::centreOver(this, parentWidget());
}

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(Maker::webSite());
}
