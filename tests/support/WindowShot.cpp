#include "WindowShot.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace WindowShot {

bool save(QWidget *window, const QString &path, QSize size)
{
    if (size.isValid()) {
        window->setWindowState(Qt::WindowNoState);
        window->resize(size);
    }
    window->show();
    QApplication::processEvents();
    return window->grab().save(path, "PNG");
}

void keep(QWidget *window, const QString &name, QSize size)
{
    const QString folder = qEnvironmentVariable("QUADRIVO_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    save(window, QDir(folder).filePath(name + QStringLiteral(".png")), size);
}

void keepAtScreenSizes(QWidget *window, const QString &name)
{
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)})
        keep(window, QStringLiteral("%1-%2x%3").arg(name).arg(size.width()).arg(size.height()), size);
}

} // namespace WindowShot
