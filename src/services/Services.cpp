#include "Services.h"

#include "ArchiveKinds.h"
#include "CardPrintCommands.h"
#include "ExportMembers.h"
#include "ExportWindow.h"
#include "ItemImportServices.h"
#include "SearchServices.h"
#include "SummaryListServices.h"
#include "quotes/QuoteOutputDialog.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

void registerServices()
{
    CardPrint::registerServices();
    registerSearchServices();
    registerSummaryListServices();
    QuoteOutput::registerServices();
    registerItemImportServices();
    for (const ArchiveKind *kind : ArchiveKinds::all()) {
        if (const ExportMember *member = ExportMembers::forKind(kind->name))
            CardServices::add(kind->name, QStringLiteral("cmdEsporta"), [member](CardWindow &card) {
                ExportWindow::openForArchive(&card, *member, card.archivePath());
            });
    }
}
