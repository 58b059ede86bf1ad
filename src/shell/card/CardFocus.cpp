#include "CardFocus.h"

#include "shell/ShellLook.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>

FocusFrame::FocusFrame(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A yellow band around the field, edged towards white.
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(ShellLook::Palette::highlightGlow, 1));
    p.setBrush(ShellLook::Palette::highlight);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(ShellLook::Palette::highlightEdge, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
}

void FocusHighlighter::watch(QWidget *field)
{
    if (m_frames.contains(field))
        return;
    m_frames.insert(field, nullptr);
    field->installEventFilter(this);
}

FocusFrame *FocusHighlighter::frameOf(QWidget *field, bool create)
{
    auto it = m_frames.find(field);
    if (it == m_frames.end() || !field->parentWidget())
        return nullptr;
    // Frames are made on the first focus only: a field being hidden or destroyed (with its parent
    // half torn down) must never get a new frame.
    if (!*it && create)
        *it = new FocusFrame(field->parentWidget());
    return *it;
}

bool FocusHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = static_cast<QWidget *>(watched);
    FocusFrame *frame = frameOf(field, event->type() == QEvent::FocusIn);
    if (!frame)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::Move:
    case QEvent::Resize:
        if (event->type() == QEvent::FocusIn || frame->isVisible()) {
            const int m = FocusFrame::kMargin;
            frame->setGeometry(field->geometry().adjusted(-m, -m, m, m));
            frame->stackUnder(field);
            frame->show();
        }
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        frame->hide();
        break;
    default:
        break;
    }
    return false;
}

void EnterChain::watch(QWidget *w)
{
    w->removeEventFilter(this);
    w->installEventFilter(this);
}

void EnterChain::setChain(const QList<QWidget *> &fields)
{
    m_chain.clear();
    for (QWidget *w : fields) {
        m_chain.append(w);
        watch(w);
    }
}

void EnterChain::setTarget(QWidget *from, QWidget *to)
{
    m_targets.insert(from, to);
    watch(from);
}

QWidget *EnterChain::next(QWidget *from) const
{
    if (m_targets.contains(from))
        return m_targets.value(from);
    const qsizetype i = m_chain.indexOf(from);
    if (i < 0 || m_chain.isEmpty())
        return nullptr;
    return m_chain.at((i + 1) % m_chain.size());
}

bool EnterChain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (QWidget *to = next(static_cast<QWidget *>(watched)))
        to->setFocus(Qt::TabFocusReason);
    return true; // Enter never reaches the field (no combo insert, no default button)
}

namespace {

class SelectionForgetter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *combo = static_cast<QComboBox *>(watched);
            if (combo->currentIndex() >= 0) {
                const QString text = combo->currentText();
                combo->setCurrentIndex(-1);
                combo->setEditText(text);
            }
        }
        return false;
    }
};

} // namespace

void forgetSelectionOnFocus(QComboBox *combo)
{
    combo->installEventFilter(new SelectionForgetter(combo));
}
