#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QComboBox;

// The yellow frame that shows which field has the focus: slightly larger than the field and
// behind it, hidden while the field does not have the focus.
class FocusFrame : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMargin = 4;
    explicit FocusFrame(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class FocusHighlighter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QWidget *field);
    // The frame of a watched field, made on first use (the field must be placed by then).
    FocusFrame *frameOf(QWidget *field, bool create = true);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QHash<QWidget *, QPointer<FocusFrame>> m_frames;
};

// Enter moves the focus to the next field of the chain; the last one goes back to the first.
// A card may send Enter somewhere else from a given field (setTarget).
class EnterChain : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    void setChain(const QList<QWidget *> &fields);
    void setTarget(QWidget *from, QWidget *to);
    QWidget *next(QWidget *from) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *w);

    QList<QPointer<QWidget>> m_chain;
    QHash<QWidget *, QPointer<QWidget>> m_targets;
};

// A province combo forgets its list selection when it gets the focus, keeping its text, so typing
// starts from what is shown rather than from the list item.
void forgetSelectionOnFocus(QComboBox *combo);
