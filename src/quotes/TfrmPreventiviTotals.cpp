// The quote window's totals area and "Calcola".
#include "QuoteAmountFit.h"
#include "QuoteTotals.h"
#include "TfrmPreventivi.h"
#include "shell/card/LeaveRule.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Preventivi;

namespace {

int charsWidth(const QWidget *w, int chars)
{
    return QFontMetrics(w->font()).horizontalAdvance(QString(chars, u'0')) + 18;
}

void setIfChanged(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

QLabel *TfrmPreventivi::newTotal(Field field, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(controlName(field, QStringLiteral("lbl")));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMargin(3);
    label->setMinimumWidth(charsWidth(label, 12));
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    bindField(field, label);
    return label;
}

QWidget *TfrmPreventivi::buildTotals()
{
    auto *group = new QGroupBox(QStringLiteral("Totali"));
    group->setObjectName(QStringLiteral("grpTotali"));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(10, 6, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);

    // The rate stays from one quote to the next, like the issuer's data.
    m_percIva = newEdit(txtPercIva, group, FieldOptions(KeyRule::DigitsComma).keptOnNew().outOfEnterChain());
    m_percIva->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percIva->setFixedWidth(charsWidth(m_percIva, 6));
    auto *rate = new QHBoxLayout;
    rate->setSpacing(4);
    rate->addWidget(m_percIva);
    rate->addWidget(new QLabel(QStringLiteral("%"), group));
    rate->addStretch(1);
    auto *rateLabel = new QLabel(QStringLiteral("IVA:"), group);
    rateLabel->setBuddy(m_percIva);
    grid->addWidget(rateLabel, 0, 0);
    grid->addLayout(rate, 0, 1);

    const struct
    {
        Field field;
        const char *caption;
    } totals[] = {{txtTotImponibile, "Tot. imponibile:"},
                  {txtTotImposta, "Tot. imposta:"},
                  {txtTotIva, "Tot. IVA inclusa:"},
                  {txtTotEsente, "Tot. esente:"},
                  {txtTotFattura, "TOTALE PREVENTIVO:"}};
    int row = 1;
    for (const auto &t : totals) {
        QLabel *value = newTotal(t.field, group);
        auto *caption = new QLabel(QString::fromUtf8(t.caption), group);
        if (t.field == txtTotFattura) {
            QFont strong = value->font();
            strong.setBold(true);
            value->setFont(strong);
            caption->setFont(strong);
        }
        m_totals[row - 1] = value;
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1, 1, 2);
        ++row;
    }

    auto *calcola = new QPushButton(QIcon::fromTheme(QStringLiteral("accessories-calculator")),
                                    QStringLiteral("Calcola"), group);
    calcola->setObjectName(QStringLiteral("cmdCalcola"));
    calcola->setCursor(Qt::PointingHandCursor);
    calcola->setAutoDefault(false);
    connect(calcola, &QPushButton::clicked, this, &TfrmPreventivi::cmdCalcolaClick);
    setHint(calcola, QStringLiteral("Effettua il calcolo dei totali."));
    grid->addWidget(calcola, 0, 2);

    auto *saldata = new QCheckBox(QStringLiteral("In sospeso"), group);
    saldata->setObjectName(QStringLiteral("chkSaldata"));
    bindField(chkSaldata, saldata, FieldOptions().outOfEnterChain());
    setHint(saldata, QStringLiteral("Contrassegna come preventivo in sospeso."));
    grid->addWidget(saldata, row, 0);

    auto *transport = new QPushButton(QIcon::fromTheme(QStringLiteral("document-edit")),
                                      QStringLiteral("Altre informazioni"), group);
    transport->setObjectName(QStringLiteral("cmdDatiComputer"));
    transport->setCursor(Qt::PointingHandCursor);
    transport->setAutoDefault(false);
    transport->setFocusPolicy(Qt::NoFocus);
    connect(transport, &QPushButton::clicked, this, &TfrmPreventivi::cmdDatiComputerClick);
    setHint(transport, QStringLiteral("Apri la finestra per l'inserimento dei dati del trasporto."));
    grid->addWidget(transport, row, 1, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row + 1, 1);
    return group;
}

void TfrmPreventivi::emptyTotals()
{
    for (QLabel *total : m_totals)
        total->clear();
}

QuoteTotals::Figures TfrmPreventivi::shownFigures() const
{
    QuoteTotals::Figures shown;
    for (int i = 0; i < kLines; ++i) {
        const LineControls &c = m_lines[i];
        shown.lines[i] = {c.quant->text(), c.prezzo->text(), c.percSconto->text(), c.importo->text(),
                          c.es->isChecked()};
    }
    shown.percIva = m_percIva->text();
    shown.totals = {m_totals[0]->text(), m_totals[1]->text(), m_totals[2]->text(), m_totals[3]->text(),
                    m_totals[4]->text()};
    return shown;
}

// A computed amount longer than its field is never stored cut: the user is told, and the focus
// goes to the price of the line at fault (of the largest line, for a total).
bool TfrmPreventivi::amountsFit()
{
    const std::optional<QuoteAmountFit::Overflow> overflow = QuoteAmountFit::firstOverflow(shownFigures());
    if (!overflow)
        return true;
    int line = overflow->line;
    if (line == 0) {
        qsizetype longest = -1;
        for (int i = 0; i < kLines; ++i) {
            const qsizetype size = m_lines[i].importo->text().trimmed().size();
            if (size > longest) {
                longest = size;
                line = i + 1;
            }
        }
    }
    notify(MessageKind::Warning, overflow->warning);
    showPage((line - 1) / kLinesPerPage + 1, false);
    m_lines[line - 1].prezzo->setFocus(Qt::OtherFocusReason);
    return false;
}

void TfrmPreventivi::cmdCalcolaClick()
{
    // A click on a picture button does not take the focus: the calculation works on the figures
    // the user will see once the field being typed is left.
    LeaveRule::settle(this);
    const QuoteTotals::Figures shown = shownFigures();

    // A text that does not parse ends the calculation silently; what it left is shown all the same.
    const QuoteTotals::Figures result = QuoteTotals::calcola(shown).figures;
    for (int i = 0; i < kLines; ++i) {
        const LineControls &c = m_lines[i];
        setIfChanged(c.quant, result.lines[i].quant);
        setIfChanged(c.prezzo, result.lines[i].prezzo);
        c.importo->setText(result.lines[i].importo);
    }
    setIfChanged(m_percIva, result.percIva);
    const QuoteTotals::Totals &t = result.totals;
    const QString texts[] = {t.imponibile, t.imposta, t.iva, t.esente, t.fattura};
    for (int i = 0; i < 5; ++i)
        m_totals[i]->setText(texts[i]);
}
