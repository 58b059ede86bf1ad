#include "PasswordField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int kFrameWidth = 4;
}

PasswordField::PasswordField(const QString &editName, QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("shp") + editName.mid(3));
    m_edit->setObjectName(editName);
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setMaxLength(kMaxLength);
    m_edit->setMinimumHeight(m_edit->sizeHint().height() + 4);
    m_edit->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
}

bool PasswordField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        m_highlighted = event->type() == QEvent::FocusIn;
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void PasswordField::paintEvent(QPaintEvent *)
{
    if (!m_highlighted)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient edge(outer.topLeft(), outer.bottomLeft());
    edge.setColorAt(0.0, QColor(0xFF, 0xD8, 0x1A));
    edge.setColorAt(1.0, QColor(0xFF, 0xFF, 0xFF));
    p.setPen(QPen(QBrush(edge), 1.0));
    p.setBrush(QColor(0xFF, 0xEE, 0x58));
    p.drawRoundedRect(outer, 4, 4);
}
