#include "TestFolder.h"

#include "platform/Platform.h"

#include <QFile>

TestFolder::TestFolder()
{
    Environment e = Environment::current();
    e.programFolder = m_dir.path();
    Environment::install(e);
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

bool TestFolder::exists(const QString &name) const
{
    return QFile::exists(file(name));
}
