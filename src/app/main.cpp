#include "Areas.h"
#include "platform/QtPlatform.h"
#include "reports/QtReportOutput.h"
#include "services/Services.h"
#include "shell/ShellLook.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "shell/ToolkitTranslations.h"

#include <QApplication>
#include <QLocale>

namespace {

// Italian conventions for the whole process (comma as decimal separator, day/month/year dates)
// and the program's icons and font.
void setProcessFormats()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    ShellLook::applyProgramLook();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The name, not an explicit display name: with one set, the desktop would append it to every
    // caption (" Quadrivo - Accesso — Quadrivo"). Message boxes still read "Quadrivo".
    QApplication::setApplicationName(QStringLiteral("Quadrivo"));
    QApplication::setApplicationVersion(QStringLiteral(QUADRIVO_VERSION));
    // The program ends only when the user leaves it (password window or main menu), never because
    // a window was hidden on the way from one window to the next.
    QApplication::setQuitOnLastWindowClosed(false);
    setProcessFormats();
    installToolkitTranslations(&app);

    QtMessageService messages;
    QtShellService shell;
    QtFileDialogService fileDialogs;
    SystemClock clock;
    QtSoundPlayer sound;
    QtReportOutput reports;
    Environment e;
    e.messages = &messages;
    e.shell = &shell;
    e.fileDialogs = &fileDialogs;
    e.clock = &clock;
    e.sound = &sound;
    e.reports = &reports;
    e.programFolder = QCoreApplication::applicationDirPath();
    Environment::install(e);

    // The long-lived windows, the password window first: it is the main window.
    TfrmPassword password;
    TfrmCambiaPassword changePassword;
    TfrmAvvio menu;
    registerServices();
    registerAreas(menu);
    password.setChangeWindow(&changePassword);
    password.setMainMenu(&menu);

    QObject::connect(&password, &TfrmPassword::endRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&menu, &TfrmAvvio::endRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    password.show();
    return app.exec();
}
