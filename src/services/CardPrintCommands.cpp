#include "CardPrintCommands.h"

#include "ArchiveKinds.h"
#include "CardPrintReport.h"
#include "shell/TMisc.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

namespace CardPrint {

namespace {

PreparedReport prepared(const CardWindow &card, const Layout &layout)
{
    return prepare(layout, shownCard(card), env().clock->now());
}

} // namespace

Record shownCard(const CardWindow &card)
{
    Record record(card.recordLayout());
    for (int field = 0; field < record.layout().fieldCount(); ++field)
        record.setText(field, card.shownText(field));
    return record;
}

void print(CardWindow &card, const Layout &layout)
{
    env().reports->print(&card, prepared(card, layout));
}

void preview(CardWindow &card, const Layout &layout)
{
    env().reports->preview(&card, prepared(card, layout));
}

QString pdfSuccessQuestion()
{
    return QStringLiteral("L'esportazione della scheda in PDF \u00E8 terminata con successo.\r\n\r\n"
                          "Si vuole aprire il file?");
}

QString pdfFailureWarning()
{
    return QStringLiteral("Attenzione: il sistema non permette di creare il file PDF.\n\r\n\r"
                          "Accertarsi che il file non sia aperto in un altro programma e di possedere i "
                          "privilegi di scrittura nella cartella di installazione del programma.");
}

void exportPdf(CardWindow &card, const Layout &layout)
{
    const QString path = programFile(layout.pdfFile);
    // A file that could not be written is never announced as done; the earlier one stays whole.
    if (!env().reports->writePdf(prepared(card, layout), path)) {
        env().messages->show(&card, MessageKind::Warning, pdfFailureWarning());
        return;
    }
    if (env().messages->ask(&card, pdfSuccessQuestion()))
        TMisc::Open(u'"' + path + u'"');
}

void registerServices()
{
    for (const ArchiveKind *archive : ArchiveKinds::all()) {
        const Layout *layout = layoutFor(archive->name);
        if (!layout)
            continue;
        const QString &kind = archive->name;
        const auto add = [&](const QString &command, void (*run)(CardWindow &, const Layout &)) {
            if (!command.isEmpty())
                CardServices::add(kind, command, [run, layout](CardWindow &card) { run(card, *layout); });
        };
        add(QStringLiteral("cmdStampa"), &print);
        add(layout->previewCommand, &preview);
        if (!layout->pdfFile.isEmpty())
            add(QStringLiteral("cmdPDF"), &exportPdf);
    }
}

} // namespace CardPrint
