#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test, installed as the environment's program folder.
class TestFolder
{
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    bool exists(const QString &name) const;

private:
    QTemporaryDir m_dir;
};
