#include "TfrmAvvio.h"

#include "AreaWindow.h"
#include "Help.h"
#include "Maker.h"
#include "ShellLook.h"
#include "TMisc.h"
#include "TfrmInfo.h"
#include "TfrmSplash.h"
#include "shell/PictureButton.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct AreaLook
{
    const char *name;        // control names: img<name>, btn<name>
    const char *picture;     // our SVG
    const char16_t *caption; // the button's word
    const char16_t *detail;  // one line under it
};

constexpr AreaLook kLooks[TfrmAvvio::kAreaCount] = {
    {"Clienti", "clienti", u"Clienti", u"Anagrafica dei clienti"},
    {"Fornitori", "fornitori", u"Fornitori", u"Anagrafica dei fornitori"},
    {"Magazzino", "magazzino", u"Magazzino", u"Prodotti e servizi"},
    {"Inventario", "inventario", u"Inventario", u"Inventario della merce"},
    {"Preventivi", "preventivi", u"Preventivi", u"Emissione dei preventivi"},
    {"Scadenzario", "scadenzario", u"Scadenzario", u"Scadenze e appuntamenti"},
};

QString menuStyle()
{
    using namespace ShellLook::Palette;
    return QStringLiteral(
               "#bkgMenu { background: %1; }"
               "QFrame#shpArea { background: white; border: 1px solid %2; border-radius: 14px; }"
               "QFrame#shpArea QLabel { color: %3; }"
               "QFrame#shpArea QPushButton { background: %4; color: white; border: none; border-radius: 8px;"
               "  padding: 7px 28px; font-weight: bold; }"
               "QFrame#shpArea QPushButton:hover { background: %5; }"
               "QFrame#shpArea QPushButton:pressed { background: %6; }"
               "QFrame#shpArea QPushButton:disabled { background: %7; color: %8; }"
               "QFrame#shpArea QToolButton { border: none; background: transparent; }"
               "#bkgPiede { background: white; border-top: 1px solid %2; }"
               "#bkgPiede QToolButton { border: none; border-radius: 6px; padding: 8px 14px; color: %6; }"
               "#bkgPiede QToolButton:hover { background: %9; }"
               "#bkgPiede QToolButton:pressed { background: %10; }")
        .arg(page.name(), border.name(), muted.name(), blue.name(), blueHover.name(), navy.name(),
             faint.name(), wash.name(), tint.name())
        .arg(tintPressed.name());
}

QToolButton *footerButton(const QString &name, const QString &icon, const QString &word, QWidget *parent)
{
    return ShellLook::pictureButton(name, icon, word, Qt::ToolButtonTextBesideIcon, 22, parent);
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Quadrivo"));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(menuStyle());

    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("bkgMenu"));
    page->setAttribute(Qt::WA_StyledBackground);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(28);
    for (int i = 0; i < kAreaCount; ++i) {
        m_tiles[size_t(i)] = buildTile(Area(i));
        grid->addWidget(m_tiles[size_t(i)], i / 3, i % 3);
    }
    auto *invite = new QLabel(QStringLiteral("Scegliere un'area di lavoro"), page);
    invite->setObjectName(QStringLiteral("lblInvito"));
    QFont inviteFont = invite->font();
    inviteFont.setPointSizeF(inviteFont.pointSizeF() * 1.3);
    invite->setFont(inviteFont);
    invite->setStyleSheet(ShellLook::textColourStyle(ShellLook::Palette::ink));
    auto *column = new QVBoxLayout;
    column->setSpacing(16);
    column->addWidget(invite);
    column->addLayout(grid);
    auto *centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addLayout(column);
    centred->addStretch(1);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(32, 24, 32, 24);
    pageLayout->addStretch(1);
    pageLayout->addLayout(centred);
    pageLayout->addStretch(1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(ShellLook::headerBand(
        QStringLiteral("Clienti, fornitori, magazzino, preventivi e scadenze della tua impresa"), this));
    outer->addWidget(page, 1);
    outer->addWidget(buildFooter());

    for (Entry &e : m_areas) {
        e.picture->setEnabled(false);
        e.button->setEnabled(false);
    }
}

QWidget *TfrmAvvio::buildTile(Area area)
{
    const AreaLook &look = kLooks[int(area)];
    const QString name = QString::fromLatin1(look.name);
    auto *tile = new QFrame(this);
    tile->setObjectName(QStringLiteral("shpArea"));
    auto *col = new QVBoxLayout(tile);
    col->setContentsMargins(24, 18, 24, 20);
    col->setSpacing(8);

    Entry &e = m_areas[size_t(area)];
    e.picture = new QToolButton(tile);
    e.picture->setObjectName(QStringLiteral("img") + name);
    e.picture->setIcon(QIcon(ShellLook::picturePath(QString::fromLatin1(look.picture))));
    e.picture->setCursor(Qt::PointingHandCursor);
    e.button = new QPushButton(QString::fromUtf16(look.caption), tile);
    e.button->setObjectName(QStringLiteral("btn") + name);
    e.button->setCursor(Qt::PointingHandCursor);
    auto *detail = new QLabel(QString::fromUtf16(look.detail), tile);
    detail->setAlignment(Qt::AlignCenter);

    col->addWidget(e.picture, 0, Qt::AlignHCenter);
    col->addWidget(e.button, 0, Qt::AlignHCenter);
    col->addWidget(detail);
    connect(e.picture, &QToolButton::clicked, this, [this, area] { openArea(area); });
    connect(e.button, &QPushButton::clicked, this, [this, area] { openArea(area); });
    return tile;
}

QWidget *TfrmAvvio::buildFooter()
{
    auto *footer = new QWidget(this);
    footer->setObjectName(QStringLiteral("bkgPiede"));
    footer->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(footer);
    row->setContentsMargins(20, 8, 20, 8);
    row->setSpacing(6);
    auto *imgGuida = footerButton(QStringLiteral("imgGuida"), QStringLiteral("help-contents"),
                                  QStringLiteral("Guida"), footer);
    auto *imgInfo = footerButton(QStringLiteral("imgInfo"), QStringLiteral("help-about"),
                                 QStringLiteral("Informazioni"), footer);
    auto *imgCrediti = footerButton(QStringLiteral("imgCrediti"), QStringLiteral("favorite"),
                                    QStringLiteral("Crediti"), footer);
    auto *icoSito =
        footerButton(QStringLiteral("icoSito"), QStringLiteral("globe"), QStringLiteral("Sito web"), footer);
    auto *imgEsci = footerButton(QStringLiteral("imgEsci"), QStringLiteral("application-exit"),
                                 QStringLiteral("Esci"), footer);
    row->addWidget(imgGuida);
    row->addWidget(imgInfo);
    row->addWidget(imgCrediti);
    row->addWidget(icoSito);
    row->addStretch(1);
    row->addWidget(imgEsci);
    connect(imgGuida, &QToolButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgInfo, &QToolButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCrediti, &QToolButton::clicked, this, &TfrmAvvio::imgCreditiClick);
    connect(icoSito, &QToolButton::clicked, this, &TfrmAvvio::icoSitoClick);
    connect(imgEsci, &QToolButton::clicked, this, &QWidget::close);
    return footer;
}

void TfrmAvvio::setAreaWindow(Area area, AreaWindow *window)
{
    Entry &e = m_areas[size_t(area)];
    if (e.window)
        disconnect(e.window, &AreaWindow::closedToMenu, this, &TfrmAvvio::showMenu);
    e.window = window;
    if (window)
        returnHereFrom(window);
    e.picture->setEnabled(window != nullptr);
    e.button->setEnabled(window != nullptr);
}

AreaWindow *TfrmAvvio::areaWindow(Area area) const
{
    return m_areas[size_t(area)].window;
}

void TfrmAvvio::returnHereFrom(AreaWindow *window)
{
    connect(window, &AreaWindow::closedToMenu, this, &TfrmAvvio::showMenu, Qt::UniqueConnection);
}

void TfrmAvvio::openArea(Area area)
{
    AreaWindow *window = m_areas[size_t(area)].window;
    if (!window)
        return;
    window->showMaximized();
    window->raise();
    window->activateWindow();
    hide();
}

void TfrmAvvio::showMenu()
{
    showMaximized();
    raise();
    activateWindow();
}

// The pictures grow with the screen, so a large display is not left mostly empty.
void TfrmAvvio::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int side = qBound(96, (height() - 300) * 5 / 18, 176);
    const qreal scale = qMax(1.0, side / 140.0);
    QFont word = font();
    word.setPointSizeF(font().pointSizeF() * 1.15 * scale);
    word.setBold(true);
    QFont detail = font();
    detail.setPointSizeF(font().pointSizeF() * scale);
    for (size_t i = 0; i < m_tiles.size(); ++i) {
        m_areas[i].picture->setIconSize(QSize(side, side));
        m_areas[i].button->setFont(word);
        m_tiles[i]->setFixedWidth(side * 2 + 40);
        for (QLabel *label : m_tiles[i]->findChildren<QLabel *>())
            label->setFont(detail);
    }
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT endRequested();
}

void TfrmAvvio::imgGuidaClick()
{
    Help::show(this, HelpPage::Generale);
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo info(this);
    info.exec();
}

void TfrmAvvio::imgCreditiClick()
{
    TfrmSplash credits(this);
    credits.exec();
}

void TfrmAvvio::icoSitoClick()
{
    TMisc::Open(Maker::webSite());
}
