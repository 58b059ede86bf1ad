#include "SummaryListServices.h"

#include "SummaryListWindow.h"
#include "SummaryLists.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

void registerSummaryListServices()
{
    for (const SummaryLists::Member &member : SummaryLists::all()) {
        CardServices::add(member.kind->name, member.list->command, [member](CardWindow &card) {
            const auto picked =
                SummaryListWindow::pick(*member.list, *member.kind->layout, card.archivePath(), &card);
            if (picked)
                card.loadRecord(picked->position, picked->bytes);
        });
    }
}
