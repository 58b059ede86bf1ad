#pragma once

#include <QIcon>
#include <QString>
#include <QToolButton>

namespace ShellLook {

// A tool button with a theme picture and its word, and the pointing hand over it: the piece every
// bar and card line is made of. Each caller adds what its place needs (raising on hover, no focus,
// a width). iconSize 0 keeps the style's size; an empty name leaves the object unnamed.
inline QToolButton *pictureButton(const QString &name, const QString &icon, const QString &word,
                                  Qt::ToolButtonStyle style, int iconSize = 0, QWidget *parent = nullptr)
{
    auto *b = new QToolButton(parent);
    if (!name.isEmpty())
        b->setObjectName(name);
    b->setIcon(QIcon::fromTheme(icon));
    if (iconSize > 0)
        b->setIconSize(QSize(iconSize, iconSize));
    b->setText(word);
    b->setToolButtonStyle(style);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace ShellLook
