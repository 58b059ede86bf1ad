#include "TfrmPassword.h"

#include "PasswordField.h"
#include "PasswordStore.h"
#include "ShellLook.h"
#include "TfrmCambiaPassword.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadFailed =
    QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                   "lettura della password. Si consiglia di reinstallare il software.");

QLabel *guideLine(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TfrmPassword::TfrmPassword(QWidget *parent)
    : QWidget(parent), m_field(new PasswordField(QStringLiteral("txtPassword"), this)),
      m_txtPassword(m_field->edit()), m_cmdOK(PasswordWindow::okButton({m_txtPassword}, this))
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Quadrivo - Accesso"));
    ShellLook::setFixedDialogFrame(this);

    auto *body = new QWidget(this);
    auto *lines = new QVBoxLayout(body);
    lines->setContentsMargins(22, 18, 22, 18);
    lines->setSpacing(0);
    lines->addWidget(guideLine(QStringLiteral("lblRigo01"),
                               QStringLiteral("E' possibile proteggere l'accesso al programma"), body));
    lines->addWidget(
        guideLine(QStringLiteral("lblRigo02"), QStringLiteral("con una password di propria scelta."), body));
    lines->addSpacing(10);
    lines->addWidget(guideLine(QStringLiteral("lblRigo03"),
                               QStringLiteral("Per il primo accesso dopo ogni installazione del software,"),
                               body));
    lines->addWidget(guideLine(QStringLiteral("lblRigo04"),
                               QStringLiteral("usare la password \"parolainiziale\" (senza le virgolette)."),
                               body));
    lines->addSpacing(14);
    QLabel *prompt =
        guideLine(QStringLiteral("lblRigo05"), QStringLiteral("Immettere la password e premere OK."), body);
    QFont bold = prompt->font();
    bold.setBold(true);
    prompt->setFont(bold);
    lines->addWidget(prompt);
    lines->addSpacing(4);
    lines->addWidget(m_field);
    lines->addSpacing(14);

    auto *btnCambiaPassword =
        new QPushButton(QIcon::fromTheme(QStringLiteral("preferences-desktop-user-password")),
                        QStringLiteral("Cambia Password"), body);
    btnCambiaPassword->setObjectName(QStringLiteral("btnCambiaPassword"));
    btnCambiaPassword->setAutoDefault(false);
    QPushButton *cmdEsci =
        PasswordWindow::exitButton(QStringLiteral("application-exit"), QStringLiteral("Esci"), body);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10); // a nested layout would take the guide lines' spacing of 0
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    lines->addLayout(buttons);

    PasswordWindow::layOut(this, QStringLiteral("Accesso al programma"), body);

    connect(m_txtPassword, &QLineEdit::returnPressed, this, &TfrmPassword::txtPasswordReturn);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmPassword::setMainMenu(QWidget *menu)
{
    m_menu = menu;
}

void TfrmPassword::setChangeWindow(TfrmCambiaPassword *window)
{
    if (m_changeWindow)
        disconnect(m_changeWindow, nullptr, this, nullptr);
    m_changeWindow = window;
    if (window)
        connect(window, &TfrmCambiaPassword::closed, this, &TfrmPassword::changeWindowClosed);
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    ShellLook::centreOnScreen(this);
    m_txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT endRequested();
}

void TfrmPassword::txtPasswordReturn()
{
    if (m_cmdOK->isEnabled())
        cmdOKClick();
}

void TfrmPassword::cmdOKClick()
{
    switch (PasswordStore::check(programFile(QStringLiteral("unins000.dll")), m_txtPassword->text())) {
    case PasswordStore::CheckResult::Accepted:
        if (m_menu)
            m_menu->showMaximized();
        hide();
        break;
    case PasswordStore::CheckResult::Refused:
        env().messages->show(this, MessageKind::Warning, kWrongPassword);
        m_txtPassword->clear();
        m_txtPassword->setFocus();
        break;
    case PasswordStore::CheckResult::ReadFailed:
        env().messages->show(this, MessageKind::Plain, kReadFailed);
        break;
    }
}

void TfrmPassword::btnCambiaPasswordClick()
{
    if (!m_changeWindow)
        return;
    m_changeWindow->show();
    hide();
}

void TfrmPassword::changeWindowClosed()
{
    m_txtPassword->clear();
    show();
    activateWindow();
    m_txtPassword->setFocus();
}
