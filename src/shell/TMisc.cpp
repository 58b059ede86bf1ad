#include "TMisc.h"

#include "platform/Platform.h"

void TMisc::Open(const QString &command)
{
    if (ShellService *shell = env().shell)
        shell->open(command);
}

QString TMisc::mailto(const QString &address)
{
    return u'"' + QStringLiteral("mailto:") + address + u'"';
}
