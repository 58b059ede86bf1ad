#include "ItemImportServices.h"

#include "ArchiveKinds.h"
#include "TfrmImportaMagazzino.h"
#include "core/TextField.h"
#include "platform/Platform.h"
#include "quotes/PreventiviRecord.h"
#include "shell/card/CardBindings.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

namespace {

using Preventivi::Column;
using Preventivi::lineField;

QString lineText(const CardWindow &card, Column column, int line)
{
    const QWidget *control = card.control(lineField(column, line));
    return control ? CardBindings::text(control) : QString();
}

void setLineText(CardWindow &card, Column column, int line, const QString &text)
{
    if (QWidget *control = card.control(lineField(column, line)))
        CardBindings::setText(control, text);
}

// The line's quantity goes into the window ("0" when the line has none); the line's quantity
// itself is never changed by the import.
void importIntoLine(CardWindow &card, int line)
{
    const QString nn = QStringLiteral("%1").arg(line, 2, 10, QChar(u'0'));
    const QString quantity = TextField::trim(lineText(card, Column::Quant, line));
    const ArchiveKind &items = ArchiveKinds::get(ArchiveKindId::Items);
    const auto imported = TfrmImportaMagazzino::importInto(programFile(items.fileName),
                                                           QStringLiteral("pre_art_") + nn, quantity, &card);
    if (!imported)
        return;
    setLineText(card, Column::Codice, line, imported->codice);
    setLineText(card, Column::Desc, line, imported->descrizione);
    setLineText(card, Column::Prezzo, line, imported->prezzo);
}

} // namespace

void registerItemImportServices()
{
    for (int line = 1; line <= Preventivi::kLines; ++line) {
        const QString name = QStringLiteral("impMag%1").arg(line, 2, 10, QChar(u'0'));
        CardServices::add(QStringLiteral("quotes"), name,
                          [line](CardWindow &card) { importIntoLine(card, line); });
    }
}
