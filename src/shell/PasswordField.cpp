#include "PasswordField.h"

#include "ShellLook.h"
#include "core/TextField.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

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
    edge.setColorAt(0.0, ShellLook::Palette::highlightEdge);
    edge.setColorAt(1.0, Qt::white);
    p.setPen(QPen(QBrush(edge), 1.0));
    p.setBrush(ShellLook::Palette::highlight);
    p.drawRoundedRect(outer, 4, 4);
}

namespace PasswordWindow {

QPushButton *okButton(const QList<QLineEdit *> &required, QWidget *parent)
{
    auto *ok = new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-ok")), QStringLiteral("OK"), parent);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setEnabled(false);
    ok->setAutoDefault(false);
    const auto update = [ok, required] {
        bool allFilled = true;
        for (const QLineEdit *edit : required)
            allFilled = allFilled && !TextField::trim(edit->text()).isEmpty();
        ok->setEnabled(allFilled);
    };
    for (QLineEdit *edit : required)
        QObject::connect(edit, &QLineEdit::textChanged, ok, update);
    return ok;
}

QPushButton *exitButton(const QString &icon, const QString &word, QWidget *parent)
{
    auto *button = new QPushButton(QIcon::fromTheme(icon), word, parent);
    button->setObjectName(QStringLiteral("cmdEsci"));
    button->setAutoDefault(false);
    return button;
}

void layOut(QWidget *window, const QString &subtitle, QWidget *body)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(ShellLook::headerBand(subtitle, window));
    outer->addWidget(body);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace PasswordWindow
