#pragma once

#include "shell/AreaWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The inventory's first window, opened from the main menu: the user types a type of goods (or
// nothing, for the whole warehouse) and "Visualizza" shows the inventory list.
class TfrmMenuRiepilogo : public AreaWindow
{
    Q_OBJECT
public:
    explicit TfrmMenuRiepilogo(QWidget *parent = nullptr);

public Q_SLOTS:
    void btnVisualizzaClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame *buildCard();

    QLabel *lblApri;
    QLineEdit *txtTipologia;
    QPushButton *btnVisualizza;
    QLabel *lblInformazioni;
    QLabel *lblAttendere;
    QToolButton *imgGuida;
    QToolButton *imgEsci;
};
