#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Prints a result list under its title through the list report, after the print dialog.
void printList(QWidget *parent, const QString &title, const QStringList &lines);
