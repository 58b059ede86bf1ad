#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// The password change window, shown instead of the password window. Whatever way it closes, it
// emits closed() and the password window comes back.
class TfrmCambiaPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdOKClick();

    QLineEdit *m_txtPasswordOld;
    QLineEdit *m_txtPasswordNew;
    QLineEdit *m_txtConferma;
    QPushButton *m_cmdOK;
};
