#include "QuoteOutputDialog.h"

#include "DefaultLogo.h"
#include "platform/Platform.h"
#include "services/CardPrintCommands.h"
#include "shell/TMisc.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <memory>

namespace {

struct Look
{
    const char *objectName;
    const char *caption;
    const char *icon;
    const char *title;
    const char *explanation;
    const char *button;
};

Look lookOf(QuoteOutputDialog::Action action)
{
    switch (action) {
    case QuoteOutputDialog::Action::Print:
        return {"TfrmStampaPrev",
                " Stampa preventivo",
                "document-print",
                "Stampa del preventivo",
                "Il preventivo corrente verr\u00E0 stampato su carta con la stampante che si sceglier\u00E0.",
                "Stampa"};
    case QuoteOutputDialog::Action::Preview:
        return {"TfrmAnteprimaPrev",
                " Anteprima di stampa",
                "document-print-preview",
                "Anteprima di stampa",
                "Verranno mostrati i dati del preventivo corrente cos\u00EC come saranno stampati.",
                "Mostra anteprima"};
    case QuoteOutputDialog::Action::Pdf:
        break;
    }
    return {"TfrmCrea_PDF_Prev",
            " Esporta in PDF",
            "application-pdf",
            "Esportazione in PDF",
            "Il preventivo corrente verr\u00E0 esportato in formato PDF nel file Preventivo.pdf.",
            "Crea PDF"};
}

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

QuoteOutputDialog::QuoteOutputDialog(Action action, ShownQuote shown, QWidget *parent)
    : QDialog(parent), m_action(action), m_shown(std::move(shown))
{
    const Look look = lookOf(action);
    setObjectName(utf8(look.objectName));
    setWindowTitle(utf8(look.caption));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgOperazione"));
    picture->setPixmap(QIcon::fromTheme(utf8(look.icon)).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(utf8(look.title), this);
    title->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    title->setFont(bold);

    auto *explanation = new QLabel(utf8(look.explanation), this);
    explanation->setObjectName(QStringLiteral("lblSpiegazione"));
    explanation->setWordWrap(true);
    explanation->setFixedWidth(300);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(title);
    texts->addWidget(explanation);
    texts->addStretch();
    auto *top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(picture);
    top->addLayout(texts);

    btnStampa = new QPushButton(QIcon::fromTheme(utf8(look.icon)), utf8(look.button), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    btnAnnulla =
        new QPushButton(QIcon::fromTheme(QStringLiteral("dialog-cancel")), QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    connect(btnStampa, &QPushButton::clicked, this, &QuoteOutputDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnnulla);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 16, 18, 14);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->addLayout(top);
    root->addSpacing(12);
    root->addLayout(buttons);
}

void QuoteOutputDialog::run(QWidget *parent, Action action, const ShownQuote &shown)
{
    std::unique_ptr<QuoteOutputDialog> dialog;
    switch (action) {
    case Action::Print:
        dialog = std::make_unique<TfrmStampaPrev>(shown, parent);
        break;
    case Action::Preview:
        dialog = std::make_unique<TfrmAnteprimaPrev>(shown, parent);
        break;
    case Action::Pdf:
        dialog = std::make_unique<TfrmCrea_PDF_Prev>(shown, parent);
        break;
    }
    dialog->exec();
}

void QuoteOutputDialog::showEvent(QShowEvent *event)
{
    // Read afresh each time: what the logo window stored last is what prints.
    m_logo = LogoFile::load();
    QDialog::showEvent(event);
}

void QuoteOutputDialog::btnStampaClick()
{
    if (m_logo.isNull())
        m_logo = LogoFile::load();
    const QuoteDocument::Output output =
        m_action == Action::Pdf ? QuoteDocument::Output::Pdf : QuoteDocument::Output::Paper;
    // A printer or preview that fails tells why; the dialog stays for another try.
    try {
        const PreparedReport report = QuoteDocument::prepare(m_shown(), m_logo, output);
        switch (m_action) {
        case Action::Print:
            env().reports->print(this, report);
            accept();
            return;
        case Action::Preview:
            env().reports->preview(this, report);
            accept();
            return;
        case Action::Pdf:
            writePdf(report);
            return;
        }
    } catch (const std::exception &e) {
        env().messages->show(this, MessageKind::Warning, QString::fromLocal8Bit(e.what()));
    }
}

void QuoteOutputDialog::writePdf(const PreparedReport &report)
{
    const QString path = programFile(QuoteDocument::pdfFileName());
    // Never announced as done when the file could not be written; the earlier one stays whole.
    if (!env().reports->writePdf(report, path)) {
        env().messages->show(this, MessageKind::Warning, CardPrint::pdfFailureWarning());
        return;
    }
    if (!env().messages->ask(this, CardPrint::pdfSuccessQuestion()))
        return;
    TMisc::Open(u'"' + path + u'"');
    accept();
}

TfrmStampaPrev::TfrmStampaPrev(ShownQuote shown, QWidget *parent)
    : QuoteOutputDialog(Action::Print, std::move(shown), parent)
{
}

TfrmAnteprimaPrev::TfrmAnteprimaPrev(ShownQuote shown, QWidget *parent)
    : QuoteOutputDialog(Action::Preview, std::move(shown), parent)
{
}

TfrmCrea_PDF_Prev::TfrmCrea_PDF_Prev(ShownQuote shown, QWidget *parent)
    : QuoteOutputDialog(Action::Pdf, std::move(shown), parent)
{
}

namespace QuoteOutput {

void registerServices()
{
    const struct
    {
        const char *command;
        QuoteOutputDialog::Action action;
    } commands[] = {{"cmdStampa", QuoteOutputDialog::Action::Print},
                    {"cmdAnteprima", QuoteOutputDialog::Action::Preview},
                    {"cmdPDF", QuoteOutputDialog::Action::Pdf}};
    for (const auto &c : commands) {
        const QuoteOutputDialog::Action action = c.action;
        CardServices::add(QStringLiteral("quotes"), QLatin1StringView(c.command), [action](CardWindow &card) {
            QuoteOutputDialog::run(&card, action, [&card] { return CardPrint::shownCard(card); });
        });
    }
}

} // namespace QuoteOutput
