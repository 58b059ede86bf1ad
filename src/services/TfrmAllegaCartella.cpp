#include "TfrmAllegaCartella.h"

#include "core/TextField.h"
#include "platform/Platform.h"
#include "shell/DialogParts.h"
#include "shell/ShellLook.h"
#include "shell/TMisc.h"
#include "shell/card/CardFocus.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kDialogTitle = QStringLiteral("Selezionare il file da allegare:");
const QString kDialogFilter = QStringLiteral("Tutti i file (*.*)");

// "01", "02", "03" for rows 0, 1, 2.
QString suffix(int row)
{
    return QStringLiteral("%1").arg(row + 1, 2, 10, QLatin1Char('0'));
}

QString ordinal(int row)
{
    return QString::number(row + 1) + QChar(0x00B0);
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *card, const QString &mode, const Attachments::Rows &rows)
    : QDialog(card)
{
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    ShellLook::setFixedDialogFrame(this);
    // Made before the edits it watches, so it is gone before they are destroyed.
    auto *highlighter = new FocusHighlighter(this);

    lblMemory = DialogParts::memoryLabel(this, mode);

    QVBoxLayout *root = DialogParts::fixedSizeLayout(this, {16, 14, 16, 14});
    root->setSpacing(8);

    const QStringList guide = {
        QStringLiteral(
            "Selezionare i file da allegare alla scheda corrente servendosi del pulsante Sfoglia."),
        QStringLiteral(
            "Quindi fare clic su Applica e chiudi e poi sul pulsante Salva per salvare le modifiche."),
        QStringLiteral("Per aprire un file \u00E8 sufficiente premere il pulsante Apri."),
    };
    auto *guideBox = new QVBoxLayout;
    guideBox->setSpacing(2);
    for (int i = 0; i < guide.size(); ++i) {
        auto *line = new QLabel(guide[i], this);
        line->setObjectName(QStringLiteral("lblRigo") + suffix(i));
        ShellLook::setTextColour(line, ShellLook::Palette::muted);
        guideBox->addWidget(line);
    }
    auto *guideRow = new QHBoxLayout;
    guideRow->addWidget(
        ShellLook::themeIconLabel(QStringLiteral("imgAllega"), QStringLiteral("mail-attachment"), 32, this),
        0, Qt::AlignTop);
    guideRow->addSpacing(8);
    guideRow->addLayout(guideBox, 1);
    root->addLayout(guideRow);
    root->addSpacing(4);

    for (int row = 0; row < Attachments::kRows; ++row)
        root->addWidget(buildRow(row));

    const DialogParts::ApplyCancel buttons = DialogParts::applyCancelRow(this);
    btnApplica = buttons.apply;
    btnApplica->setAutoDefault(false);
    btnAnnulla = buttons.cancel;
    btnAnnulla->setAutoDefault(false);
    root->addSpacing(4);
    root->addLayout(buttons.row);

    for (const Row &r : m_rows)
        highlighter->watch(r.txtDesc);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);

    load(rows);
}

QWidget *TfrmAllegaCartella::buildRow(int row)
{
    Row &r = m_rows[row];
    const QString n = suffix(row);

    auto *box = new QGroupBox(QStringLiteral("File %1").arg(row + 1), this);
    box->setObjectName(QStringLiteral("grpFile") + n);

    r.txtFile = new QLineEdit(box);
    r.txtFile->setObjectName(QStringLiteral("txtFile") + n);
    r.txtFile->setReadOnly(true);
    // Shown as read-only, reached by a click (to copy the path) but not by Tab.
    r.txtFile->setFocusPolicy(Qt::ClickFocus);
    QPalette readOnly = r.txtFile->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    r.txtFile->setPalette(readOnly);
    // Room for a usual path; a longer one shows its end, where the file's own name is.
    r.txtFile->setMinimumWidth(r.txtFile->fontMetrics().horizontalAdvance(QString(64, u'x')));
    r.txtDesc = new QLineEdit(box);
    r.txtDesc->setObjectName(QStringLiteral("txtDesc") + n);
    r.txtDesc->setMaxLength(Attachments::kCapacity);

    r.imgCancella = new QToolButton(box);
    r.imgCancella->setObjectName(QStringLiteral("imgCancella") + n);
    r.imgCancella->setIcon(QIcon::fromTheme(QStringLiteral("edit-clear")));
    r.imgCancella->setAutoRaise(true);
    r.imgCancella->setFocusPolicy(Qt::NoFocus);
    r.imgCancella->setToolTip(QStringLiteral("Toglie il file allegato (la descrizione resta)."));

    r.btnSfoglia =
        new QPushButton(QIcon::fromTheme(QStringLiteral("document-open")), QStringLiteral("Sfoglia..."), box);
    r.btnSfoglia->setObjectName(QStringLiteral("btnSfoglia") + n);
    r.btnSfoglia->setAutoDefault(false);
    r.btnApri = new QPushButton(QIcon::fromTheme(QStringLiteral("document-open-folder")),
                                QStringLiteral("Apri"), box);
    r.btnApri->setObjectName(QStringLiteral("btnApri") + n);
    r.btnApri->setAutoDefault(false);
    r.btnApri->setEnabled(false);

    auto *pathLabel = new QLabel(QStringLiteral("Percorso %1 file allegato:").arg(ordinal(row)), box);
    pathLabel->setBuddy(r.txtFile);
    auto *descLabel = new QLabel(QStringLiteral("Descrizione %1 file allegato:").arg(ordinal(row)), box);
    descLabel->setBuddy(r.txtDesc);

    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->addWidget(pathLabel, 0, 0);
    grid->addWidget(r.txtFile, 0, 1);
    grid->addWidget(r.imgCancella, 0, 2);
    grid->addWidget(r.btnSfoglia, 0, 3);
    grid->addWidget(r.btnApri, 0, 4);
    grid->addWidget(descLabel, 1, 0);
    grid->addWidget(r.txtDesc, 1, 1, 1, 4);
    grid->setColumnStretch(1, 1);

    // "Apri" follows the path, whoever sets it.
    connect(r.txtFile, &QLineEdit::textChanged, this, [btn = r.btnApri, edit = r.txtFile] {
        btn->setEnabled(!TextField::trim(edit->text()).isEmpty());
        edit->setToolTip(edit->text());
    });
    connect(r.btnSfoglia, &QPushButton::clicked, this, [this, row] { btnSfogliaClick(row); });
    connect(r.btnApri, &QPushButton::clicked, this, [this, row] { btnApriClick(row); });
    connect(r.imgCancella, &QToolButton::clicked, this, [this, row] { imgCancellaClick(row); });
    return box;
}

void TfrmAllegaCartella::load(const Attachments::Rows &rows)
{
    for (int row = 0; row < Attachments::kRows; ++row) {
        m_rows[row].txtFile->setText(TextField::trim(rows[row].file));
        m_rows[row].txtDesc->setText(TextField::trim(rows[row].desc));
        m_rows[row].txtDesc->setCursorPosition(0);
    }
}

Attachments::Rows TfrmAllegaCartella::rows() const
{
    Attachments::Rows out;
    for (int row = 0; row < Attachments::kRows; ++row)
        out[row] = {TextField::trim(m_rows[row].txtFile->text()),
                    TextField::trim(m_rows[row].txtDesc->text())};
    return out;
}

std::optional<Attachments::Rows> TfrmAllegaCartella::run(QWidget *card, const QString &mode,
                                                         const Attachments::Rows &rows)
{
    TfrmAllegaCartella window(card, mode, rows);
    window.adjustSize();
    ShellLook::centreOnScreen(&window);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.rows();
}

void TfrmAllegaCartella::btnSfogliaClick(int row)
{
    QLineEdit *path = m_rows[row].txtFile;
    const QString current = TextField::trim(path->text());
    const QString folder = current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
    const QString chosen = env().fileDialogs->getOpenFileName(this, kDialogTitle, folder, kDialogFilter);
    if (chosen.isEmpty())
        return; // cancelled
    const QString native = QDir::toNativeSeparators(chosen);
    if (!Attachments::storable(native)) {
        env().messages->show(this, MessageKind::Warning, Attachments::refusedMessage());
        return;
    }
    path->setText(native);
}

void TfrmAllegaCartella::btnApriClick(int row)
{
    const QString path = TextField::trim(m_rows[row].txtFile->text());
    if (!path.isEmpty())
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}

void TfrmAllegaCartella::imgCancellaClick(int row)
{
    m_rows[row].txtFile->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    accept();
}
