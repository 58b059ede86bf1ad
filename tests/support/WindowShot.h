#pragma once

#include <QSize>
#include <QString>

class QWidget;

// Renders a window offscreen to a PNG, at a given size when one is given. Set QUADRIVO_SHOTS to a
// folder to keep the pictures of the window tests for a look.
namespace WindowShot {

bool save(QWidget *window, const QString &path, QSize size = {});
// Saves into $QUADRIVO_SHOTS/<name>.png when that variable is set, into a scratch folder
// otherwise; the test fails when no picture of the window was written.
void keep(QWidget *window, const QString &name, QSize size = {});
// keep() at the two screen sizes the windows are laid out for: <name>-1366x768, <name>-1920x1080.
void keepAtScreenSizes(QWidget *window, const QString &name);

} // namespace WindowShot
