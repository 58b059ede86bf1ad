#include "WindowShot.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
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
    // Without QUADRIVO_SHOTS the picture goes to a scratch folder: every run checks that the
    // window renders to a picture; the pictures are kept only when wanted.
    static QTemporaryDir scratch;
    QString folder = qEnvironmentVariable("QUADRIVO_SHOTS");
    if (folder.isEmpty())
        folder = scratch.path();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!save(window, path, size)) {
        QTest::qFail(qPrintable(QStringLiteral("no picture written at %1").arg(path)), __FILE__, __LINE__);
        return;
    }
    if (QImage(path).isNull())
        QTest::qFail(qPrintable(QStringLiteral("the picture %1 does not read back").arg(path)), __FILE__,
                     __LINE__);
}

void keepAtScreenSizes(QWidget *window, const QString &name)
{
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)})
        keep(window, QStringLiteral("%1-%2x%3").arg(name).arg(size.width()).arg(size.height()), size);
}

} // namespace WindowShot
