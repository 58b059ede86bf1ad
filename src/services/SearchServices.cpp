#include "SearchServices.h"

#include "ArchiveKinds.h"
#include "PickerCopies.h"
#include "TfrmTrova.h"
#include "platform/Platform.h"
#include "shell/card/CardBindings.h"
#include "shell/card/CardServices.h"
#include "shell/card/CardWindow.h"

namespace {

// cmdTrova: the card shows the chosen record at its own position.
void findInOwnArchive(CardWindow &card)
{
    const ArchiveKind *kind = ArchiveKinds::byName(card.kind());
    if (!kind)
        return;
    if (const auto picked = TfrmTrova::pick(*kind, card.archivePath(), kind->modeTag, &card))
        card.loadRecord(picked->position, picked->bytes);
}

using Copies = std::vector<PickerCopies::FieldCopy> (*)(const RecordView &);

// A picker: the chosen record of another archive copies a few fields into the card's controls;
// the user saves them with the card.
void pickInto(CardWindow &card, ArchiveKindId from, const QString &modeTag, Copies copies)
{
    const ArchiveKind &kind = ArchiveKinds::get(from);
    const auto picked = TfrmTrova::pick(kind, programFile(kind.fileName), modeTag, &card);
    if (!picked)
        return;
    for (const auto &copy : copies(RecordView(*kind.layout, picked->bytes.constData()))) {
        if (QWidget *control = card.control(copy.field))
            CardBindings::setText(control, copy.text);
    }
}

} // namespace

void registerSearchServices()
{
    for (const ArchiveKind *kind : ArchiveKinds::all())
        CardServices::add(kind->name, QStringLiteral("cmdTrova"), findInOwnArchive);
    CardServices::add(QStringLiteral("quotes"), QStringLiteral("impCliente"), [](CardWindow &card) {
        pickInto(card, ArchiveKindId::Customers, QStringLiteral("preventivi"),
                 PickerCopies::customerForQuote);
    });
    CardServices::add(QStringLiteral("deadlines"), QStringLiteral("impPag"), [](CardWindow &card) {
        pickInto(card, ArchiveKindId::Customers, QStringLiteral("scadenzario"),
                 PickerCopies::customerForDeadline);
    });
    CardServices::add(QStringLiteral("items"), QStringLiteral("impFornitore"), [](CardWindow &card) {
        pickInto(card, ArchiveKindId::Suppliers, QStringLiteral("magazzino"), PickerCopies::supplierForItem);
    });
}
