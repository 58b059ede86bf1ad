#pragma once

#include <QWidget>

class QLineEdit;

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
