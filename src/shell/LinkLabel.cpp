#include "LinkLabel.h"

#include "ShellLook.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setPressed(false);
}

QColor LinkLabel::normalColor()
{
    return ShellLook::Palette::link;
}

QColor LinkLabel::pressedColor()
{
    return ShellLook::Palette::linkPressed;
}

void LinkLabel::setPressed(bool pressed)
{
    m_pressed = pressed;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, pressed ? pressedColor() : normalColor());
    setPalette(p);
}

void LinkLabel::addPicture(QLabel *picture)
{
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        setPressed(true);
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    setPressed(false);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    auto *picture = qobject_cast<QWidget *>(watched);
    if (picture && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            setPressed(true);
        return true;
    }
    if (picture && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const bool wasPressed = m_pressed;
        setPressed(false);
        if (wasPressed && mouse->button() == Qt::LeftButton &&
            picture->rect().contains(mouse->position().toPoint()))
            Q_EMIT clicked();
        return true;
    }
    return QLabel::eventFilter(watched, event);
}
