#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;
class PasswordField;
class TfrmCambiaPassword;

// The access password window: the program's first and main window. The right password shows
// the main menu; "Esci" (or closing the window) ends the program.
class TfrmPassword : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    void setMainMenu(QWidget *menu);
    void setChangeWindow(TfrmCambiaPassword *window);

Q_SIGNALS:
    // The user left the program from this window.
    void endRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void txtPasswordReturn();
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void changeWindowClosed();

    PasswordField *m_field;
    QLineEdit *m_txtPassword;
    QPushButton *m_cmdOK;
    QWidget *m_menu = nullptr;
    TfrmCambiaPassword *m_changeWindow = nullptr;
};
