#pragma once

#include <QWidget>

// A long-lived working window opened from the main menu. Closing it (its exit button or the
// window frame) hides it and emits closedToMenu(), on which the menu shows itself again.
class AreaWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AreaWindow(QWidget *parent = nullptr);

Q_SIGNALS:
    void closedToMenu();

protected:
    void closeEvent(QCloseEvent *event) override;
};
