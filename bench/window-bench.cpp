// How long a window over a whole archive takes to show its rows, running offscreen:
//   window-bench ARCHIVE            the customer search window, from "Cerca" (all criteria blank)
//                                   to its list shown
//   window-bench ARCHIVE export     the customer export window, from reading the archive to its
//                                   grid shown
// Prints milliseconds.

#include "platform/Platform.h"
#include "services/ArchiveKinds.h"
#include "services/ExportWindow.h"
#include "services/TfrmTrova.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QTableView>
#include <cstdio>
#include <cstring>

namespace {

double searchWindow(const QString &archive)
{
    TfrmTrova window(ArchiveKinds::get(ArchiveKindId::Customers), archive, QStringLiteral("clienti"));
    window.show();
    QApplication::processEvents();
    auto *cerca = window.findChild<QAbstractButton *>(QStringLiteral("btnCerca"));
    auto *list = window.findChild<QListView *>(QStringLiteral("lstRecords"));
    QElapsedTimer t;
    t.start();
    cerca->click();
    list->repaint(); // the first page of lines painted
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

double exportWindow(const QString &archive)
{
    const ExportMember &member = ArchiveKinds::get(ArchiveKindId::Customers).exports;
    QElapsedTimer t;
    t.start();
    ExportWindow window(member, ExportWindow::readRows(member, archive));
    window.show();
    window.grid()->repaint(); // the first page of rows painted
    QApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: window-bench ARCHIVE [export]\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString archive = QString::fromLocal8Bit(argv[1]);
    const bool exporting = argc > 2 && std::strcmp(argv[2], "export") == 0;
    std::printf("%.1f\n", exporting ? exportWindow(archive) : searchWindow(archive));
    return 0;
}
