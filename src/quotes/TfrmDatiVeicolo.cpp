#include "TfrmDatiVeicolo.h"

#include "shell/DialogParts.h"
#include "shell/card/CardFocus.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QString kModePreventivi = QStringLiteral("preventivi");

struct FieldSpec
{
    const char *name;
    const char *label;
    int maxLength;
    QString DatiTrasporto::*member;
};

const std::array<FieldSpec, 6> kFields = {{
    {"txtVeicolo", "Destinazione merce:", 50, &DatiTrasporto::memVeicolo},
    {"txtMarca", "Vettore:", 50, &DatiTrasporto::memMarca},
    {"txtColore", "Aspetto esteriore dei beni:", 50, &DatiTrasporto::memColore},
    {"txtImmatricolazione", "Porto:", 30, &DatiTrasporto::memImmatricolazione},
    {"txtAlimentazione", "Causale del trasporto:", 50, &DatiTrasporto::memAlimentazione},
    {"txtTarga", "Numero colli:", 30, &DatiTrasporto::memTarga},
}};

} // namespace

TfrmDatiVeicolo::TfrmDatiVeicolo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmDatiVeicolo"));
    setWindowTitle(QStringLiteral(" Altre informazioni"));

    QHBoxLayout *infoRow = DialogParts::instructionRow(
        QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva per salvare "
                       "le modifiche."),
        this);

    // Two columns of three fields, each label above its edit.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(5);
    for (size_t i = 0; i < kFields.size(); ++i) {
        const FieldSpec &spec = kFields[i];
        const DialogParts::CaptionedEdit field = DialogParts::captionedEdit(
            QString::fromLatin1(spec.name), QString::fromUtf8(spec.label), spec.maxLength, 36, this);
        const int column = int(i / 3);
        const int row = int(i % 3) * 3;
        grid->addWidget(field.caption, row, column);
        grid->addWidget(field.edit, row + 1, column);
        if (i % 3 != 2)
            grid->setRowMinimumHeight(row + 2, 10);
        m_edits[i] = field.edit;
    }

    const DialogParts::ApplyCancel buttons = DialogParts::applyCancelRow(this);
    btnApplica = buttons.apply;
    btnAnnulla = buttons.cancel;
    lblMemory = DialogParts::memoryLabel(this);

    DialogParts::layOutEntryDialog(this, infoRow, grid, buttons.row);

    // As in the card windows: the focused field framed in yellow, Enter walking the six fields
    // round without ever pressing a button.
    m_highlighter = new FocusHighlighter(this);
    FocusHighlighter *highlighter = m_highlighter;
    auto *enter = new EnterChain(this);
    QList<QWidget *> chain;
    for (QLineEdit *edit : m_edits) {
        highlighter->watch(edit);
        chain << edit;
    }
    enter->setChain(chain);
    DialogParts::setTabChain(chain + QList<QWidget *>{btnApplica, btnAnnulla});

    connect(btnApplica, &QPushButton::clicked, this, &TfrmDatiVeicolo::btnApplicaClick);
}

TfrmDatiVeicolo::~TfrmDatiVeicolo()
{
    // The frames are stacked under their fields, so they go first when the children are deleted;
    // the highlighter must not see the fields' last focus and hide events after that.
    delete m_highlighter;
}

bool TfrmDatiVeicolo::edit(QWidget *parent, DatiTrasporto &data)
{
    TfrmDatiVeicolo window(parent);
    window.setMode(kModePreventivi);
    window.setData(data);
    if (window.exec() != QDialog::Accepted)
        return false;
    data = window.data();
    return true;
}

void TfrmDatiVeicolo::setMode(const QString &tag)
{
    lblMemory->setText(tag);
}

QString TfrmDatiVeicolo::mode() const
{
    return lblMemory->text();
}

void TfrmDatiVeicolo::setData(const DatiTrasporto &data)
{
    for (size_t i = 0; i < kFields.size(); ++i)
        m_edits[i]->setText((data.*kFields[i].member).trimmed());
}

DatiTrasporto TfrmDatiVeicolo::data() const
{
    DatiTrasporto result;
    for (size_t i = 0; i < kFields.size(); ++i)
        result.*kFields[i].member = m_edits[i]->text().trimmed();
    return result;
}

void TfrmDatiVeicolo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        m_edits.front()->setFocus();
}

void TfrmDatiVeicolo::btnApplicaClick()
{
    // Another caller's mode hands nothing back: the dialog only closes.
    if (mode() != kModePreventivi) {
        reject();
        return;
    }
    accept();
}
