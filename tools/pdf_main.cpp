// quadrivo-tool-pdf: the PDF commands of quadrivo-tool, which starts this program for them with
// its own arguments ("pdf KIND FILE POS OUT.pdf ...").
#include "ToolCommands.h"

#include <QGuiApplication>

namespace {

// The offscreen platform's notes about the desktop session are no business of a command's output.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:")))
        return;
    ToolOutput::err(message);
}

} // namespace

int main(int argc, char *argv[])
{
    // Reports measure and draw text, which needs the GUI application; no display is used.
    qInstallMessageHandler(quietPlatformNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() && args.first() == QStringLiteral("pdf"))
        args.removeFirst();
    return runPdf(args);
}
