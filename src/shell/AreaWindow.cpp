#include "AreaWindow.h"

#include <QCloseEvent>

AreaWindow::AreaWindow(QWidget *parent) : QWidget(parent, Qt::Window) {}

void AreaWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closedToMenu();
}
