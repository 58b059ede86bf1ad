#include "ListPrint.h"

#include "reports/ListReport.h"

void printList(QWidget *parent, const QString &title, const QStringList &lines)
{
    ListReport::print(parent, title, lines);
}
