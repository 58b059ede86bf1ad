#pragma once

#include <QLabel>

// A clickable text link, dark blue, orange while a mouse button is held down on it or on one of its
// pictures, dark blue again on release. Clicking the text or a picture emits clicked().
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // A picture beside the link that behaves as the link itself.
    void addPicture(QLabel *picture);

    static QColor normalColor();
    static QColor pressedColor();
    bool isPressed() const { return m_pressed; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPressed(bool pressed);
    bool m_pressed = false;
};
