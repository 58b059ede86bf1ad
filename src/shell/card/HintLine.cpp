#include "HintLine.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextEdit>

HintLine::HintLine(QWidget *window, QLabel *line) : QObject(window), m_window(window), m_line(line) {}

void HintLine::setHint(QWidget *control, const QString &hint)
{
    if (!m_hints.contains(control)) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
    m_hints.insert(control, hint);
}

void HintLine::addBlank(QWidget *widget)
{
    m_blank.insert(widget);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool HintLine::isBackground(QWidget *w) const
{
    if (w == m_window || m_blank.contains(w))
        return true;
    const QMetaObject *mo = w->metaObject();
    const bool container = mo == &QWidget::staticMetaObject || mo == &QFrame::staticMetaObject ||
                           qobject_cast<QGroupBox *>(w) || qobject_cast<QScrollArea *>(w) ||
                           qobject_cast<QStackedWidget *>(w);
    if (!container)
        return false;
    // The inner widgets of controls (a list's viewport, a combo's popup) are not background.
    for (QWidget *p = w->parentWidget(); p && p != m_window; p = p->parentWidget()) {
        if (qobject_cast<QAbstractItemView *>(p) || qobject_cast<QComboBox *>(p) ||
            qobject_cast<QLineEdit *>(p) || qobject_cast<QAbstractSpinBox *>(p) ||
            qobject_cast<QTextEdit *>(p) || qobject_cast<QPlainTextEdit *>(p))
            return false;
    }
    return true;
}

void HintLine::watchBackground()
{
    QList<QWidget *> all = m_window->findChildren<QWidget *>();
    all.prepend(m_window);
    for (QWidget *w : std::as_const(all)) {
        if (!isBackground(w) || m_hints.contains(w))
            continue;
        // Tracking lets the background see the mouse move off a control onto it.
        w->setMouseTracking(true);
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
}

bool HintLine::eventFilter(QObject *watched, QEvent *event)
{
    // Only moves count: a window that appears under a still mouse keeps its first text.
    if (event->type() != QEvent::MouseMove)
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (m_hints.contains(w)) {
        m_line->setText(m_hints.value(w));
    } else if (isBackground(w)) {
        // A move that a control passed on to its parent does not count as background.
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        QWidget *under = m_blank.contains(w) ? nullptr : w->childAt(pos);
        if (!under || isBackground(under))
            m_line->clear();
    }
    return false;
}
