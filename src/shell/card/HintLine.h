#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class QLabel;
class QWidget;

// The hint line along the bottom of a card. The mouse over a control with a hint (command
// buttons, check boxes, picture buttons) writes the hint; over the window background, a
// decorative frame or the position label it empties the line; over an edit or a field label it
// leaves the line as it was.
class HintLine : public QObject
{
    Q_OBJECT
public:
    HintLine(QWidget *window, QLabel *line);

    void setHint(QWidget *control, const QString &hint);
    QString hint(QWidget *control) const { return m_hints.value(control); }
    // Widgets that empty the line like the background does (the position label, frames).
    void addBlank(QWidget *widget);
    // Takes every container below the window (plain widgets, frames, group boxes) as background.
    // Call once all the window's widgets exist.
    void watchBackground();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isBackground(QWidget *w) const;

    QWidget *m_window;
    QLabel *m_line;
    QHash<QWidget *, QString> m_hints;
    QSet<QWidget *> m_blank;
};
