// How long the customer search window takes from "Cerca" to its list shown, all criteria blank:
//   window-bench ARCHIVE      (prints milliseconds; runs offscreen)

#include "platform/Platform.h"
#include "services/ArchiveKinds.h"
#include "services/TfrmTrova.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: window-bench ARCHIVE\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TfrmTrova window(ArchiveKinds::get(ArchiveKindId::Customers), QString::fromLocal8Bit(argv[1]),
                     QStringLiteral("clienti"));
    window.show();
    QApplication::processEvents();
    auto *cerca = window.findChild<QAbstractButton *>(QStringLiteral("btnCerca"));
    auto *list = window.findChild<QListView *>(QStringLiteral("lstRecords"));
    QElapsedTimer t;
    t.start();
    cerca->click();
    list->repaint(); // the first page of lines painted
    QApplication::processEvents();
    std::printf("%.1f\n", double(t.nsecsElapsed()) / 1e6);
    return 0;
}
