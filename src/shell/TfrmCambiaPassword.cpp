#include "TfrmCambiaPassword.h"

#include "PasswordField.h"
#include "PasswordStore.h"
#include "ShellLook.h"
#include "platform/Platform.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed =
    QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata correttamente. "
                   "E' necessario reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeFailed =
    QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Modifica Password"));
    ShellLook::setFixedDialogFrame(this);

    auto *oldField = new PasswordField(QStringLiteral("txtPasswordOld"), this);
    auto *newField = new PasswordField(QStringLiteral("txtPasswordNew"), this);
    auto *confirmField = new PasswordField(QStringLiteral("txtConferma"), this);
    m_txtPasswordOld = oldField->edit();
    m_txtPasswordNew = newField->edit();
    m_txtConferma = confirmField->edit();

    auto *body = new QWidget(this);
    body->setMinimumWidth(420);
    auto *lines = new QVBoxLayout(body);
    lines->setContentsMargins(22, 18, 22, 18);
    lines->setSpacing(0);
    auto *rigo1 = new QLabel(QStringLiteral("Per cambiare la password, compilare i campi"), body);
    rigo1->setObjectName(QStringLiteral("lblRigo01"));
    auto *rigo2 = new QLabel(QStringLiteral("sottostanti e premere il pulsante OK."), body);
    rigo2->setObjectName(QStringLiteral("lblRigo02"));
    lines->addWidget(rigo1);
    lines->addWidget(rigo2);
    lines->addSpacing(14);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(2);
    auto addRow = [&](const QString &name, const QString &caption, PasswordField *field) {
        auto *label = new QLabel(caption, body);
        label->setObjectName(name);
        label->setBuddy(field->edit());
        form->addRow(label, field);
    };
    addRow(QStringLiteral("lblPasswordOld"), QStringLiteral("Vecchia PW:"), oldField);
    addRow(QStringLiteral("lblPasswordNew"), QStringLiteral("Nuova PW:"), newField);
    addRow(QStringLiteral("lblConferma"), QStringLiteral("Conferma nuova PW:"), confirmField);
    lines->addLayout(form);
    lines->addSpacing(14);

    m_cmdOK = PasswordWindow::okButton({m_txtPasswordOld, m_txtPasswordNew, m_txtConferma}, body);
    QPushButton *cmdEsci =
        PasswordWindow::exitButton(QStringLiteral("window-close"), QStringLiteral("Chiudi"), body);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10); // a nested layout would take the guide lines' spacing of 0
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    lines->addLayout(buttons);

    PasswordWindow::layOut(this, QStringLiteral("Modifica della password di accesso"), body);

    connect(m_txtPasswordOld, &QLineEdit::returnPressed, m_txtPasswordNew, qOverload<>(&QWidget::setFocus));
    connect(m_txtPasswordNew, &QLineEdit::returnPressed, m_txtConferma, qOverload<>(&QWidget::setFocus));
    connect(m_txtConferma, &QLineEdit::returnPressed, m_txtPasswordOld, qOverload<>(&QWidget::setFocus));
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_txtPasswordOld->clear();
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    ShellLook::centreOnScreen(this);
    m_txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

void TfrmCambiaPassword::cmdOKClick()
{
    const auto result =
        PasswordStore::change(programFile(QStringLiteral("unins000.dll")), m_txtPasswordOld->text(),
                              m_txtPasswordNew->text(), m_txtConferma->text());
    switch (result) {
    case PasswordStore::ChangeResult::OldRefused:
        env().messages->show(this, MessageKind::Plain, kOldWrong);
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus();
        break;
    case PasswordStore::ChangeResult::NotConfirmed:
        env().messages->show(this, MessageKind::Plain, kNotConfirmed);
        m_txtPasswordNew->clear();
        m_txtConferma->clear();
        m_txtPasswordNew->setFocus();
        break;
    case PasswordStore::ChangeResult::Changed:
        env().messages->show(this, MessageKind::Plain, kChanged);
        close();
        break;
    case PasswordStore::ChangeResult::Failed:
        env().messages->show(this, MessageKind::Plain, kChangeFailed);
        break;
    }
}
