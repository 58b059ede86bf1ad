#include "TfrmInfo.h"

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
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Quadrivo"));
    ShellLook::setFixedDialogFrame(this);
    setWindowModality(Qt::ApplicationModal);

    const QString version = QCoreApplication::applicationVersion();
    QWidget *header =
        ShellLook::headerBand(version.isEmpty() ? QString() : QStringLiteral("Versione ") + version, this);

    auto *body = new QWidget(this);
    auto *col = new QVBoxLayout(body);
    col->setContentsMargins(24, 18, 24, 16);
    col->setSpacing(12);

    auto *about = new QLabel(
        QString::fromUtf16(u"Quadrivo gestisce le pratiche quotidiane di una piccola impresa: "
                           u"l'anagrafica dei clienti e dei fornitori, il magazzino dei prodotti e dei "
                           u"servizi con i suoi inventari, i preventivi ai clienti e lo scadenzario dei "
                           u"pagamenti e degli appuntamenti."),
        body);
    about->setObjectName(QStringLiteral("lblDescrizione"));
    about->setWordWrap(true);
    col->addWidget(about);

    // One small picture per working area, as on the main menu.
    auto *pictures = new QHBoxLayout;
    pictures->setSpacing(14);
    pictures->addStretch(1);
    const char *areas[] = {"clienti", "fornitori", "magazzino", "inventario", "preventivi", "scadenzario"};
    int n = 1;
    for (const char *area : areas)
        pictures->addWidget(
            ShellLook::pictureLabel(QStringLiteral("imgArea%1").arg(n++, 2, 10, QLatin1Char('0')),
                                    QString::fromLatin1(area), 44, body));
    pictures->addStretch(1);
    col->addLayout(pictures);

    auto *contactCaption = new QLabel(QStringLiteral("Per informazioni e assistenza scrivere a:"), body);
    col->addWidget(contactCaption);
    auto *imgEmail =
        ShellLook::themeIconLabel(QStringLiteral("imgEmail"), QStringLiteral("mail-send"), 22, body);
    auto *lnkWeb = new LinkLabel(Maker::email(), body);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->addPicture(imgEmail);
    auto *contact = new QHBoxLayout;
    contact->setSpacing(6);
    contact->addWidget(imgEmail);
    contact->addWidget(lnkWeb);
    contact->addStretch(1);
    col->addLayout(contact);

    auto *btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), body);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnChiudi);
    col->addLayout(buttons);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(header);
    outer->addWidget(body);
    setFixedWidth(480);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ShellLook::centreOnScreen(this);
}

void TfrmInfo::lnkWebClick()
{
    TMisc::Open(Maker::contactCommand());
}
