#pragma once

#include <QList>
#include <QWidget>

class QLineEdit;
class QPushButton;

// A masked password edit inside its highlight frame: a yellow rectangle, edged from yellow to
// white, slightly larger than the edit and shown only while the edit has the focus. Typing is
// limited to 255 characters, the most the password file's scrambling takes.
class PasswordField : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxLength = 255;

    // editName is the edit's objectName (txtPassword...); the frame is named after it.
    explicit PasswordField(const QString &editName, QWidget *parent = nullptr);

    QLineEdit *edit() const { return m_edit; }
    bool isHighlighted() const { return m_highlighted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_edit;
    bool m_highlighted = false;
};

// What the access and change windows build alike around their password fields.
namespace PasswordWindow {

// "OK" (cmdOK): enabled only while every one of `required` holds more than blanks. Like the exit
// button it is never a default button, so Enter stays with the fields.
QPushButton *okButton(const QList<QLineEdit *> &required, QWidget *parent);
// The button that leaves the window (cmdEsci), with its theme icon and word.
QPushButton *exitButton(const QString &icon, const QString &word, QWidget *parent);
// The window's layout: the header band with `subtitle` above `body`; the window keeps its size.
void layOut(QWidget *window, const QString &subtitle, QWidget *body);

} // namespace PasswordWindow
