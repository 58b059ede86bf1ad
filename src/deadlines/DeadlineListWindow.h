#pragma once

#include "DeadlineLists.h"

#include <memory>

class ExportWindow;
class QWidget;

// The imminent, day and month lists: export grid windows over the rows the lists keep.
namespace DeadlineListWindow {

// The list for `date` over the files of the program folder, ready to show.
std::unique_ptr<ExportWindow> create(QWidget *parent, DeadlineLists::List list, const QDate &date);
// ... shown modally; it is destroyed when it closes.
void open(QWidget *parent, DeadlineLists::List list, const QDate &date);

} // namespace DeadlineListWindow
