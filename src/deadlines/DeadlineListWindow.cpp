#include "DeadlineListWindow.h"

#include "platform/Platform.h"
#include "services/ExportWindow.h"

#include <QApplication>
#include <QTableView>

namespace DeadlineListWindow {

std::unique_ptr<ExportWindow> create(QWidget *parent, DeadlineLists::List list, const QDate &date)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    DeadlineLists::Rows rows =
        DeadlineLists::build(list, date, DeadlineLists::files(list, date, env().programFolder));
    QApplication::restoreOverrideCursor();

    auto window = std::make_unique<ExportWindow>(DeadlineLists::member(list), std::move(rows.table), parent);
    // These lists are short: the columns get their full widths.
    const QList<int> widths = DeadlineLists::gridWidths(list);
    for (int c = 0; c < widths.size(); ++c)
        window->grid()->setColumnWidth(c, widths[c]);
    return window;
}

void open(QWidget *parent, DeadlineLists::List list, const QDate &date)
{
    create(parent, list, date)->exec();
}

} // namespace DeadlineListWindow
