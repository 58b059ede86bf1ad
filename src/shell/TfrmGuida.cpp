#include "TfrmGuida.h"

#include "Help.h"
#include "LinkLabel.h"
#include "ShellLook.h"
#include "TMisc.h"
#include "platform/Platform.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent), m_lblTitolo(new QLabel(QStringLiteral("Argomento della guida."), this)),
      m_txtGuida(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    ShellLook::setFixedDialogFrame(this);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(676, 598);

    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont titleFont = m_lblTitolo->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    m_lblTitolo->setFont(titleFont);
    m_lblTitolo->setWordWrap(true);
    auto *titleRow = new QHBoxLayout;
    titleRow->setSpacing(10);
    titleRow->addWidget(
        ShellLook::themeIconLabel(QStringLiteral("imgGuida"), QStringLiteral("help-contents"), 32, this));
    titleRow->addWidget(m_lblTitolo, 1);

    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setReadOnly(true);
    QFont textFont = m_txtGuida->font();
    textFont.setBold(true);
    m_txtGuida->setFont(textFont);
    QPalette colours = m_txtGuida->palette();
    colours.setColor(QPalette::Base, ShellLook::Palette::paper);
    colours.setColor(QPalette::Text, ShellLook::Palette::paperInk);
    m_txtGuida->setPalette(colours);
    m_txtGuida->document()->setDocumentMargin(10);

    auto *imgPDF =
        ShellLook::themeIconLabel(QStringLiteral("imgPDF"), QStringLiteral("application-pdf"), 24, this);
    auto *lnkWeb = new LinkLabel(QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    lnkWeb->addPicture(imgPDF);
    auto *btnChiudi =
        new QPushButton(QIcon::fromTheme(QStringLiteral("window-close")), QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch(1);
    bottom->addWidget(btnChiudi);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(titleRow);
    layout->addWidget(m_txtGuida, 1);
    layout->addLayout(bottom);

    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmGuida::setPage(const QString &title, const QString &text)
{
    m_lblTitolo->setText(title);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_txtGuida->setPlainText(shown);
}

void TfrmGuida::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ShellLook::centreOnScreen(this);
}

void TfrmGuida::lnkWebClick()
{
    TMisc::Open(u'"' + programFile(QStringLiteral("Guida.pdf")) + u'"');
}

namespace Help {

void show(QWidget *parent, HelpPage page)
{
    TfrmGuida window(parent);
    window.setPage(title(page), text(page));
    window.exec();
}

} // namespace Help
