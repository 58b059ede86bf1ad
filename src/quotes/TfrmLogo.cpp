#include "TfrmLogo.h"

#include "DefaultLogo.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"
#include "shell/ShellLook.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kWriteFailed =
    QStringLiteral("Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\n\r\n\r"
                   "Verificare che la cartella del programma sia accessibile in scrittura e riprovare.");

QPushButton *sideButton(QWidget *parent, const QString &name, const QIcon &icon, const QString &word,
                        const QString &tip = {})
{
    auto *button = new QPushButton(icon, word, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TfrmLogo::TfrmLogo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo Ditta"));

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(DefaultLogo::kWidth, DefaultLogo::kHeight);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setAutoFillBackground(true);
    QPalette white = imgLogo->palette();
    white.setColor(QPalette::Window, Qt::white);
    imgLogo->setPalette(white);

    // A thin frame around the box shows its extent even when the picture is blank.
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(imgLogo);

    btnCancLogo = sideButton(this, QStringLiteral("btnCancLogo"),
                             QIcon::fromTheme(QStringLiteral("edit-clear")), QStringLiteral("Nessun logo"),
                             QStringLiteral("Sostituisce il logo con un'immagine bianca."));
    imgEuro = sideButton(this, QStringLiteral("imgEuro"), DefaultLogo::icon(), QStringLiteral("Predefinito"),
                         QStringLiteral("Ripristina il logo predefinito."));
    btnSfoglia = sideButton(this, QStringLiteral("btnSfoglia"),
                            QIcon::fromTheme(QStringLiteral("document-open")), QStringLiteral("Sfoglia..."));

    auto *side = new QVBoxLayout;
    side->addWidget(btnSfoglia);
    side->addSpacing(6);
    side->addWidget(btnCancLogo);
    side->addWidget(imgEuro);
    side->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(frame);
    top->addSpacing(8);
    top->addLayout(side);

    auto *line1 = new QLabel(QStringLiteral("Caricare il logo della Ditta in formato Jpeg o Bitmap"), this);
    auto *line2 = new QLabel(QStringLiteral("con dimensioni uguali a 297x184 pixel."), this);
    ShellLook::setTextColour(line1, ShellLook::Palette::muted);
    ShellLook::setTextColour(line2, ShellLook::Palette::muted);

    const DialogParts::ApplyCancel buttons = DialogParts::applyCancelRow(this);
    btnApplica = buttons.apply;
    btnAnnulla = buttons.cancel;
    btnApplica->setDefault(true);

    QVBoxLayout *root = DialogParts::fixedSizeLayout(this, {16, 16, 16, 14});
    root->addLayout(top);
    root->addSpacing(6);
    root->addWidget(line1);
    root->addWidget(line2);
    root->addSpacing(10);
    root->addLayout(buttons.row);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnCancLogo, &QPushButton::clicked, this, &TfrmLogo::btnCancLogoClick);
    connect(imgEuro, &QPushButton::clicked, this, &TfrmLogo::imgEuroClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
}

void TfrmLogo::run(QWidget *parent)
{
    TfrmLogo window(parent);
    window.exec();
}

void TfrmLogo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        showPicture(LogoFile::load());
}

void TfrmLogo::showPicture(const QImage &picture)
{
    m_picture = picture;
    // The box shows the picture whole: a larger one is scaled down, a smaller one stays as it is.
    QImage shown = picture;
    if (shown.width() > imgLogo->width() || shown.height() > imgLogo->height())
        shown = shown.scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    imgLogo->setPixmap(QPixmap::fromImage(shown));
}

void TfrmLogo::btnSfogliaClick()
{
    // The program folder, where the logo is kept, and no file name filled in.
    const QString chosen = env().fileDialogs->getOpenFileName(
        this, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
        env().programFolder, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (chosen.isEmpty())
        return;
    const QImage picture(chosen);
    showPicture(picture.isNull() ? DefaultLogo::image() : picture);
}

void TfrmLogo::btnCancLogoClick()
{
    showPicture(DefaultLogo::blank());
}

void TfrmLogo::imgEuroClick()
{
    showPicture(DefaultLogo::image());
}

void TfrmLogo::btnApplicaClick()
{
    if (!LogoFile::save(m_picture)) {
        // The chosen picture stays on show, so the user can try again or give up with "Annulla".
        env().messages->show(this, MessageKind::Warning, kWriteFailed);
        return;
    }
    accept();
}
