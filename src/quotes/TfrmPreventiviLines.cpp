// The thirty quote lines, five to a page, and the arrows that turn the pages.
#include "QuoteEdits.h"
#include "QuoteWindowInput.h"
#include "TfrmPreventivi.h"
#include "shell/PictureButton.h"
#include "shell/card/LeaveRule.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using Preventivi::Column;
using Preventivi::lineField;

namespace {

enum GridColumn { Num, Quant, Codice, Desc, Prezzo, Sconto, Importo, Es, Mag };

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

int charsWidth(const QWidget *w, int chars)
{
    return QFontMetrics(w->font()).horizontalAdvance(QString(chars, u'0')) + 18;
}

QToolButton *pictureButton(QWidget *parent, const QString &name, const QString &icon, const QString &word)
{
    auto *b = ShellLook::pictureButton(name, icon, word, Qt::ToolButtonTextBesideIcon, 0, parent);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

QWidget *TfrmPreventivi::buildLinePages()
{
    auto *group = new QGroupBox(QStringLiteral("Articoli"));
    group->setObjectName(QStringLiteral("grpArticoli"));
    auto *box = new QVBoxLayout(group);
    box->setContentsMargins(8, 4, 8, 6);
    m_pages = new QStackedWidget(group);
    m_pages->setObjectName(QStringLiteral("stkPages"));
    for (int page = 1; page <= kPages; ++page)
        m_pages->addWidget(buildLinePage(page));
    box->addWidget(m_pages);
    return group;
}

QWidget *TfrmPreventivi::buildLinePage(int page)
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("grpPage") + twoDigits(page));
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    const struct
    {
        GridColumn column;
        const char *text;
        Qt::Alignment align;
    } headings[] = {{Quant, "Quant.", Qt::AlignHCenter},   {Codice, "Codice articolo:", Qt::AlignLeft},
                    {Desc, "Descrizione:", Qt::AlignLeft}, {Prezzo, "Prezzo:", Qt::AlignRight},
                    {Sconto, "% Sc.", Qt::AlignHCenter},   {Importo, "Importo tot.", Qt::AlignRight},
                    {Es, "Es.", Qt::AlignHCenter}};
    for (const auto &h : headings) {
        auto *heading = new QLabel(QString::fromUtf8(h.text), panel);
        QFont f = heading->font();
        f.setBold(true);
        heading->setFont(f);
        grid->addWidget(heading, 0, h.column, h.align | Qt::AlignBottom);
    }
    for (int i = 1; i <= kLinesPerPage; ++i)
        addLineRow(grid, i, (page - 1) * kLinesPerPage + i, panel);
    grid->setColumnStretch(Codice, 1);
    grid->setColumnStretch(Desc, 3);

    // The arrows to the neighbouring pages; the first page has no way back and the last no way on.
    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(0, 2, 0, 0);
    const QString letter(QChar(u'A' + page - 1));
    QToolButton *back = pictureButton(panel, page > 1 ? QStringLiteral("imgIndietro_") + letter : QString(),
                                      QStringLiteral("go-previous"), QStringLiteral("Precedenti"));
    QToolButton *forward =
        pictureButton(panel, page < kPages ? QStringLiteral("imgAvanti_") + letter : QString(),
                      QStringLiteral("go-next"), QStringLiteral("Successivi"));
    forward->setLayoutDirection(Qt::RightToLeft); // the arrow after the word
    if (page > 1) {
        connect(back, &QToolButton::clicked, this, [this, page] { showPage(page - 1, true); });
        setHint(back, QStringLiteral("Visualizza i cinque articoli precedenti."));
    } else {
        back->setEnabled(false);
    }
    if (page < kPages) {
        connect(forward, &QToolButton::clicked, this, [this, page] { showPage(page + 1, true); });
        setHint(forward, QStringLiteral("Visualizza i prossimi cinque articoli."));
    } else {
        forward->setEnabled(false);
    }
    auto *where = new QLabel(QStringLiteral("Righe %1 \u2013 %2 di %3   \u00B7   pagina %4 di %5")
                                 .arg((page - 1) * kLinesPerPage + 1)
                                 .arg(page * kLinesPerPage)
                                 .arg(kLines)
                                 .arg(page)
                                 .arg(kPages),
                             panel);
    where->setObjectName(QStringLiteral("lblPagina") + twoDigits(page));
    where->setEnabled(false); // quiet, like a caption
    footer->addWidget(back);
    footer->addStretch(1);
    footer->addWidget(where);
    footer->addStretch(1);
    footer->addWidget(forward);
    grid->addLayout(footer, kLinesPerPage + 1, 0, 1, Mag + 1);
    return panel;
}

void TfrmPreventivi::addLineRow(QGridLayout *grid, int row, int line, QWidget *page)
{
    const QString nn = twoDigits(line);
    const FieldOptions numeric = FieldOptions(KeyRule::DigitsComma).outOfEnterChain();
    const FieldOptions text = FieldOptions().outOfEnterChain();
    LineControls &c = m_lines[line - 1];

    auto *number = new QLabel(QStringLiteral("%1.").arg(line), page);
    number->setObjectName(QStringLiteral("lblNum") + nn);
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setMinimumWidth(QFontMetrics(number->font()).horizontalAdvance(QStringLiteral("30.")) + 4);

    c.quant = newEdit(lineField(Column::Quant, line), page, numeric);
    c.quant->setAlignment(Qt::AlignCenter);
    c.quant->setFixedWidth(charsWidth(c.quant, 6));
    c.codice = newEdit(lineField(Column::Codice, line), page, text);
    c.codice->setMinimumWidth(charsWidth(c.codice, 10));
    c.desc = newEdit(lineField(Column::Desc, line), page, text);
    c.desc->setMinimumWidth(charsWidth(c.desc, 20));
    c.prezzo = newEdit(lineField(Column::Prezzo, line), page, numeric);
    c.prezzo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.prezzo->setFixedWidth(charsWidth(c.prezzo, 10));
    c.percSconto = newEdit(lineField(Column::PercSconto, line), page, numeric);
    c.percSconto->setAlignment(Qt::AlignCenter);
    c.percSconto->setFixedWidth(charsWidth(c.percSconto, 5));

    // The amount is never typed: a framed label, as the totals.
    c.importo = new QLabel(page);
    c.importo->setObjectName(QStringLiteral("txtImporto") + nn);
    c.importo->setFrameShape(QFrame::StyledPanel);
    c.importo->setFrameShadow(QFrame::Sunken);
    c.importo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.importo->setMargin(3);
    c.importo->setFixedWidth(charsWidth(c.importo, 10));
    c.importo->setFixedHeight(c.quant->sizeHint().height());
    c.importo->setBackgroundRole(QPalette::Base);
    c.importo->setAutoFillBackground(true);
    bindField(lineField(Column::Importo, line), c.importo);

    c.es = new QCheckBox(page);
    c.es->setObjectName(QStringLiteral("chkEs") + nn);
    bindField(lineField(Column::Es, line), c.es, FieldOptions().outOfEnterChain());
    setHint(c.es, QStringLiteral("Contrassegna come articolo esente da IVA."));

    // Filled by the warehouse import window, a service of its own.
    QToolButton *mag = pictureButton(page, QStringLiteral("impMag") + nn, QStringLiteral("document-import"),
                                     QStringLiteral("Importa"));
    makeServiceSlot(mag, mag->objectName());
    setHint(mag, QStringLiteral("Importa i dati dell'articolo dal magazzino."));

    grid->addWidget(number, row, Num);
    grid->addWidget(c.quant, row, Quant);
    grid->addWidget(c.codice, row, Codice);
    grid->addWidget(c.desc, row, Desc);
    grid->addWidget(c.prezzo, row, Prezzo);
    grid->addWidget(c.percSconto, row, Sconto);
    grid->addWidget(c.importo, row, Importo);
    grid->addWidget(c.es, row, Es, Qt::AlignCenter);
    grid->addWidget(mag, row, Mag);
}

void TfrmPreventivi::setLineEnterTargets()
{
    for (const LineControls &c : m_lines) {
        setEnterTarget(c.quant, c.codice);
        setEnterTarget(c.codice, c.desc);
        setEnterTarget(c.desc, c.prezzo);
        setEnterTarget(c.prezzo, c.percSconto);
        setEnterTarget(c.percSconto, c.es);
    }
}

void TfrmPreventivi::watchNumericEdits()
{
    for (int i = 0; i < kLines; ++i) {
        const LineControls &c = m_lines[i];
        const auto stale = [this, i] {
            emptyLineAmount(i + 1);
            emptyTotals();
        };
        QuoteWindowInput::onUserEdit(c.quant, stale);
        QuoteWindowInput::onUserEdit(c.prezzo, stale);
        QuoteWindowInput::onUserEdit(c.percSconto, stale);
        LeaveRule::install(c.quant, QuoteEdits::leaveDecimal);
        LeaveRule::install(c.percSconto, QuoteEdits::leaveDecimal);
        LeaveRule::install(c.prezzo, QuoteEdits::leavePrice);
    }
    QuoteWindowInput::onUserEdit(m_percIva, [this] { emptyTotals(); });
    LeaveRule::install(m_percIva, QuoteEdits::leaveDecimal);
}

int TfrmPreventivi::currentPage() const
{
    return m_pages->currentIndex() + 1;
}

void TfrmPreventivi::showPage(int page, bool focusFirstLine)
{
    m_pages->setCurrentIndex(page - 1);
    if (focusFirstLine)
        m_lines[(page - 1) * kLinesPerPage].quant->setFocus(Qt::OtherFocusReason);
}

void TfrmPreventivi::emptyLineAmount(int line)
{
    m_lines[line - 1].importo->clear();
}
