// The start panel of the deadlines window: the year to work on, the calendar with its two lists,
// and the imminent-deadline alert with its list.
#include "ScadenzarioRules.h"
#include "TfrmScadenzario.h"
#include "platform/Platform.h"
#include "shell/Help.h"
#include "shell/MenuPage.h"
#include "shell/PictureButton.h"
#include "shell/ShellLook.h"
#include "shell/card/KeyFilters.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The cards' headings, smaller than a menu page's.
constexpr qreal kHeadingScale = 1.3;

QToolButton *pictureButton(const QString &name, const QString &icon, const QString &word,
                           Qt::ToolButtonStyle style = Qt::ToolButtonTextBesideIcon)
{
    return ShellLook::pictureButton(name, icon, word, style, 32);
}

// A banner of the alert: a word in a coloured band, shown when its state holds.
QLabel *banner(const QString &name, const QString &words, const QColor &back, const QColor &text)
{
    auto *label = new QLabel(words);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(48);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("QLabel#%1 { background: %2; color: %3; border-radius: 8px; }")
                             .arg(name, back.name(), text.name()));
    label->hide();
    return label;
}

} // namespace

QWidget *TfrmScadenzario::buildStartPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("panAvvio"));
    MenuPage::paintPage(panel);

    auto *title = new QHBoxLayout;
    auto *picture = new QLabel;
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("office-calendar")).pixmap(56, 56));
    QLabel *imgTitolo = MenuPage::heading(QStringLiteral("SCADENZARIO E APPUNTAMENTI"), nullptr, 1.9);
    imgTitolo->setObjectName(QStringLiteral("imgTitolo"));
    title->addStretch();
    title->addWidget(picture);
    title->addSpacing(10);
    title->addWidget(imgTitolo);
    title->addStretch();

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(20);
    grid->addWidget(buildYearChoice(), 0, 0);
    grid->addWidget(buildAlertSide(), 1, 0);
    grid->addWidget(buildCalendarSide(), 0, 1, 2, 1);

    auto *centre = new QHBoxLayout;
    centre->addStretch();
    centre->addLayout(grid);
    centre->addStretch();

    auto *root = new QVBoxLayout(panel);
    root->setContentsMargins(0, 0, 0, 0);
    root->addStretch(2);
    root->addLayout(title);
    root->addSpacing(24);
    root->addLayout(centre);
    root->addStretch(3);
    root->addWidget(buildStartBar());

    setTabOrder(txtAnno, btnApri);
    return panel;
}

QWidget *TfrmScadenzario::buildYearChoice()
{
    QFrame *card = MenuPage::whiteCard(QStringLiteral("cardAnno"));
    card->setFixedWidth(460);

    QLabel *lblInfo05 = MenuPage::mutedLabel(
        QStringLiteral("lblInfo05"),
        QStringLiteral("Accedi all'archivio annuale per inserire o modificare le scadenze."));

    txtAnno = new QLineEdit;
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    txtAnno->setAlignment(Qt::AlignCenter);
    QFont yearFont = txtAnno->font();
    yearFont.setPointSizeF(yearFont.pointSizeF() * 1.25);
    txtAnno->setFont(yearFont);
    txtAnno->setFixedWidth(txtAnno->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 18);
    txtAnno->installEventFilter(KeyFilter::create(KeyRule::Digits, txtAnno));
    txtAnno->installEventFilter(this); // Enter goes on to "Apri"

    btnApri = new QPushButton(QIcon::fromTheme(QStringLiteral("document-open")), QStringLiteral("Apri"));
    btnApri->setObjectName(QStringLiteral("btnApri"));
    btnApri->setAutoDefault(true); // Enter on the focused button opens the year
    btnApri->setMinimumHeight(txtAnno->sizeHint().height());
    btnApri->setMinimumWidth(110);
    connect(btnApri, &QPushButton::clicked, this, &TfrmScadenzario::btnApriClick);

    auto *yearRow = new QHBoxLayout;
    yearRow->setSpacing(10);
    yearRow->addWidget(txtAnno);
    yearRow->addWidget(btnApri);
    yearRow->addStretch();

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(28, 22, 28, 24);
    layout->setSpacing(10);
    layout->addWidget(MenuPage::heading(QStringLiteral("Archivio annuale"), nullptr, kHeadingScale));
    layout->addWidget(lblInfo05);
    layout->addSpacing(6);
    layout->addWidget(MenuPage::mutedLine(QStringLiteral("lblIstruzioni"),
                                          QStringLiteral("Indicare l'anno solare e premere Apri.")));
    layout->addLayout(yearRow);
    return card;
}

QWidget *TfrmScadenzario::buildCalendarSide()
{
    QFrame *card = MenuPage::whiteCard(QStringLiteral("cardCalendario"));

    auto *info = new QVBoxLayout;
    info->setSpacing(2);
    info->addWidget(MenuPage::heading(QStringLiteral("Calendario"), nullptr, kHeadingScale));
    info->addSpacing(6);
    info->addWidget(MenuPage::mutedLine(QStringLiteral("lblInfo01"),
                                        QStringLiteral("Selezionare una data dal calendario")));
    info->addWidget(MenuPage::mutedLine(QStringLiteral("lblInfo02"),
                                        QStringLiteral("e fare clic sui pulsanti in calce per")));
    info->addWidget(MenuPage::mutedLine(QStringLiteral("lblInfo03"),
                                        QStringLiteral("visualizzare le scadenze relative a")));
    info->addWidget(
        MenuPage::mutedLine(QStringLiteral("lblInfo04"), QStringLiteral("un giorno o a un mese dell'anno.")));

    calAppuntamenti = new QCalendarWidget;
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setMinimumSize(380, 260);
    const Clock *clock = env().clock;
    calAppuntamenti->setSelectedDate(clock ? clock->now().date() : QDate::currentDate());

    btnGiorno = pictureButton(QStringLiteral("btnGiorno"), QStringLiteral("view-calendar-day"),
                              QStringLiteral("SCADENZE DEL GIORNO"));
    btnMese = pictureButton(QStringLiteral("btnMese"), QStringLiteral("view-calendar-month"),
                            QStringLiteral("SCADENZE DEL MESE"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnGiorno);
    buttons->addSpacing(12);
    buttons->addWidget(btnMese);
    buttons->addStretch();

    connect(btnGiorno, &QToolButton::clicked, this, &TfrmScadenzario::btnGiornoClick);
    connect(btnMese, &QToolButton::clicked, this, &TfrmScadenzario::btnMeseClick);

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(28, 22, 28, 20);
    layout->setSpacing(12);
    layout->addLayout(info);
    layout->addWidget(calAppuntamenti, 1);
    layout->addLayout(buttons);
    return card;
}

QWidget *TfrmScadenzario::buildAlertSide()
{
    QFrame *card = MenuPage::whiteCard(QStringLiteral("cardAvviso"));
    card->setFixedWidth(460);

    // Room for the alert: one of the two banners shows once the imminent deadlines are counted.
    auto *bkgAvviso = new QFrame;
    bkgAvviso->setObjectName(QStringLiteral("bkgAvviso"));
    bkgAvviso->setMinimumHeight(56);
    bkgAvviso->setStyleSheet(
        QStringLiteral("QFrame#bkgAvviso { background: %1; border: 1px dashed %2; border-radius: 8px; }")
            .arg(ShellLook::Palette::wash.name(), ShellLook::Palette::faint.name()));
    auto *bannerLayout = new QVBoxLayout(bkgAvviso);
    bannerLayout->setContentsMargins(4, 4, 4, 4);
    imgPresenti = banner(QStringLiteral("imgPresenti"), QStringLiteral("Ci sono scadenze"),
                         ShellLook::Palette::warningBack, ShellLook::Palette::warningText);
    imgAssenti = banner(QStringLiteral("imgAssenti"), QStringLiteral("Non ci sono scadenze"),
                        ShellLook::Palette::okBack, ShellLook::Palette::okText);
    bannerLayout->addWidget(imgPresenti);
    bannerLayout->addWidget(imgAssenti);

    btnOK = new QPushButton(QStringLiteral("OK"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setMinimumWidth(90);
    btnOK->setEnabled(false); // enabled only when imminent deadlines exist
    connect(btnOK, &QPushButton::clicked, this, &TfrmScadenzario::btnOKClick);

    auto *okRow = new QHBoxLayout;
    QLabel *lblOK = MenuPage::mutedLabel(QStringLiteral("lblOK"),
                                         QStringLiteral("Premere OK per ottenere l'elenco delle scadenze."));
    okRow->addWidget(lblOK, 1);
    okRow->addWidget(btnOK);

    auto *layout = new QVBoxLayout(card);
    layout->setContentsMargins(28, 22, 28, 24);
    layout->setSpacing(10);
    layout->addWidget(MenuPage::heading(QStringLiteral("Scadenze imminenti"), nullptr, kHeadingScale));
    layout->addWidget(MenuPage::mutedLine(QStringLiteral("lblInfo06"),
                                          QStringLiteral("Visualizza le scadenze imminenti.")));
    layout->addWidget(bkgAvviso);
    layout->addStretch();
    layout->addLayout(okRow);
    return card;
}

QWidget *TfrmScadenzario::buildStartBar()
{
    MenuPage::Bar buttons{};
    QFrame *bar = MenuPage::bottomBar(this, &buttons);
    imgGuida = buttons.guida;
    imgEsci = buttons.esci;
    connect(imgGuida, &QToolButton::clicked, this, &TfrmScadenzario::imgGuidaClick);
    return bar;
}

void TfrmScadenzario::imgGuidaClick()
{
    Help::show(this, HelpPage::Scadenzario);
}

void TfrmScadenzario::cardShown()
{
    // Each visit from the menu starts again from the year choice, with the current year.
    setWindowTitle(ScadenzarioRules::caption());
    showStartPanel();
    const Clock *clock = env().clock;
    const int year = clock ? clock->now().date().year() : QDate::currentDate().year();
    txtAnno->setText(QStringLiteral("%1").arg(year, 4, 10, QChar(u'0')));
    txtAnno->setFocus(Qt::OtherFocusReason);
    checkImminent();
}
