#include "MenuPage.h"

#include "PictureButton.h"
#include "ShellLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace MenuPage {
namespace {

QToolButton *pictureButton(QWidget *parent, const QString &name, const QString &icon, const QString &word)
{
    auto *button = ShellLook::pictureButton(name, icon, word, Qt::ToolButtonTextBesideIcon, 32, parent);
    button->setAutoRaise(true);
    return button;
}

} // namespace

QFrame *card(QWidget *window, int width)
{
    QFrame *card = whiteCard(QStringLiteral("card"), window);
    card->setFixedWidth(width);
    return card;
}

Bar layOut(QWidget *window, const QString &subtitle, QFrame *card)
{
    paintPage(window);

    auto *centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(card);
    centre->addStretch();

    Bar buttons{};
    auto *root = new QVBoxLayout(window);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addWidget(ShellLook::headerBand(subtitle, window));
    root->addStretch(2);
    root->addLayout(centre);
    root->addStretch(3);
    root->addWidget(bottomBar(window, &buttons));
    return buttons;
}

void paintPage(QWidget *window)
{
    QPalette page = window->palette();
    page.setColor(QPalette::Window, ShellLook::Palette::page);
    window->setPalette(page);
    window->setAutoFillBackground(true);
}

QFrame *whiteCard(const QString &name, QWidget *parent)
{
    auto *card = new QFrame(parent);
    card->setObjectName(name);
    card->setStyleSheet(
        QStringLiteral("QFrame#%1 { background: white; border: 1px solid %2; border-radius: 12px; }")
            .arg(name, ShellLook::Palette::border.name()));
    return card;
}

QFrame *bottomBar(QWidget *window, Bar *buttons)
{
    auto *bar = new QFrame(window);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setStyleSheet(QStringLiteral("QFrame#bottomBar { background: white; border-top: 1px solid %1; }")
                           .arg(ShellLook::Palette::border.name()));
    buttons->guida = pictureButton(bar, QStringLiteral("imgGuida"), QStringLiteral("help-contents"),
                                   QStringLiteral("Guida"));
    buttons->esci = pictureButton(bar, QStringLiteral("imgEsci"), QStringLiteral("application-exit"),
                                  QStringLiteral("Esci"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(16, 8, 16, 8);
    layout->addWidget(buttons->guida);
    layout->addStretch();
    layout->addWidget(buttons->esci);
    QObject::connect(buttons->esci, &QToolButton::clicked, window, &QWidget::close);
    return bar;
}

QLabel *heading(const QString &text, QWidget *parent, qreal scale)
{
    auto *heading = new QLabel(text, parent);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * scale);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    ShellLook::setTextColour(heading, ShellLook::Palette::navy);
    return heading;
}

QLabel *mutedLabel(const QString &name, const QString &text, QWidget *parent)
{
    QLabel *label = mutedLine(name, text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel *mutedLine(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    ShellLook::setTextColour(label, ShellLook::Palette::muted);
    return label;
}

QFont fieldFont(const QFont &base)
{
    QFont font = base;
    font.setPointSizeF(font.pointSizeF() * 1.25);
    return font;
}

QPushButton *mainButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setStyleSheet(ShellLook::mainButtonStyle());
    button->setCursor(Qt::PointingHandCursor);
    // Enter on the focused button runs it, as in the rest of the program.
    button->setAutoDefault(true);
    return button;
}

} // namespace MenuPage
