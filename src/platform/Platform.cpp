#include "Platform.h"

#include <QDir>

namespace {
Environment g_environment;
}

Environment &Environment::current()
{
    return g_environment;
}

void Environment::install(const Environment &environment)
{
    g_environment = environment;
}

QString programFile(const QString &name)
{
    return QDir::cleanPath(g_environment.programFolder) + QDir::separator() + name;
}
