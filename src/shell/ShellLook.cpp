#include "ShellLook.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWidget>

namespace ShellLook {

void applyProgramLook()
{
    // Some platforms (offscreen among them) name no icon folders of their own.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString &folder : QStandardPaths::locateAll(
             QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory)) {
        if (!paths.contains(folder))
            paths << folder;
    }
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("breeze"));
    const QString sans = QStringLiteral("Liberation Sans");
    if (QFontDatabase::families().contains(sans)) {
        QFont font(sans);
        font.setPointSizeF(QApplication::font().pointSizeF());
        QApplication::setFont(font);
    }
}

QString textColourStyle(const QColor &colour)
{
    return QStringLiteral("color: %1;").arg(colour.name());
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    widget->setPalette(p);
}

QString mainButtonStyle()
{
    return QStringLiteral(
               "QPushButton { background: %1; color: white; font-weight: bold; border: 2px solid %1;"
               " border-radius: 5px; padding: 4px 22px; }"
               "QPushButton:hover { background: %2; border-color: %2; }"
               "QPushButton:pressed { background: %3; border-color: %3; }"
               "QPushButton:focus { border-color: %4; }")
        .arg(Palette::blue.name(), Palette::blueHover.name(), Palette::navy.name(),
             Palette::focusEdge.name());
}

QString picturePath(const QString &name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QLabel *pictureLabel(const QString &objectName, const QString &picture, int size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1.0;
    QPixmap pixmap = QIcon(picturePath(picture)).pixmap(QSize(size, size), ratio);
    label->setPixmap(pixmap);
    label->setFixedSize(size, size);
    return label;
}

QLabel *themeIconLabel(const QString &objectName, const QString &iconName, int size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    const qreal ratio = parent ? parent->devicePixelRatioF() : 1.0;
    label->setPixmap(QIcon::fromTheme(iconName).pixmap(QSize(size, size), ratio));
    label->setFixedSize(size, size);
    return label;
}

QWidget *headerBand(const QString &subtitle, QWidget *parent)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QStringLiteral("bkgIntestazione"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(
        QStringLiteral("#bkgIntestazione { background: qlineargradient(x1:0, y1:0, x2:1, y2:0,"
                       " stop:0 %1, stop:1 %2); }"
                       "#bkgIntestazione QLabel { color: white; background: transparent; }")
            .arg(Palette::navy.name(), Palette::blue.name()));
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(18, 12, 18, 12);
    row->setSpacing(14);
    row->addWidget(pictureLabel(QStringLiteral("imgLogo"), QStringLiteral("quadrivo"), 48, band));
    auto *words = new QVBoxLayout;
    words->setSpacing(0);
    auto *name = new QLabel(QStringLiteral("Quadrivo"), band);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    words->addWidget(name);
    if (!subtitle.isEmpty()) {
        auto *sub = new QLabel(subtitle, band);
        words->addWidget(sub);
    }
    row->addLayout(words, 1);
    return band;
}

void setFixedDialogFrame(QWidget *window)
{
    // Dialogs keep their dialog type, so the desktop keeps them above the window that opened them.
    const Qt::WindowFlags type = qobject_cast<QDialog *>(window) ? Qt::Dialog : Qt::Window;
    window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centreOver(QWidget *window, const QWidget *over)
{
    if (!over || !over->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    window->move(frame.topLeft());
}

} // namespace ShellLook
