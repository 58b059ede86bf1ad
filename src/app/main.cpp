#include "platform/QtPlatform.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtMessageService messages;
    QtShellService shell;
    QtFileDialogService fileDialogs;
    SystemClock clock;
    QtSoundPlayer sound;
    Environment e;
    e.messages = &messages;
    e.shell = &shell;
    e.fileDialogs = &fileDialogs;
    e.clock = &clock;
    e.sound = &sound;
    e.programFolder = QCoreApplication::applicationDirPath();
    Environment::install(e);
    QLabel label(QStringLiteral("Quadrivo"));
    label.show();
    return app.exec();
}
