#include "CardPrintReport.h"

#include "reports/CardReport.h"

namespace CardPrint {

PreparedReport prepare(const Layout &layout, const Record &card, const QDateTime &now)
{
    ReportDesign design = CardReport::design();
    CardReport::fill(design, layout.title, rowTexts(layout, card), now);
    return design.prepare(now.date());
}

} // namespace CardPrint
