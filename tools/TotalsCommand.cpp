#include "ToolCommands.h"

int runTotals(const QStringList &)
{
    ToolOutput::err(QStringLiteral("quadrivo-tool: this command is not available yet"));
    return 2;
}
