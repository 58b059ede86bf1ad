#pragma once

#include "core/RecordView.h"

#include <QString>
#include <vector>

// What a record chosen in a picker copies into the card that asked for it: the card's field and
// the text, trimmed. The card gets nothing else.
namespace PickerCopies {

struct FieldCopy
{
    int field; // a field of the receiving card's record
    QString text;
};

// A customer into a deadline card (Scadenzario fields).
std::vector<FieldCopy> customerForDeadline(const RecordView &customer);
// A customer into a quote (Preventivi fields).
std::vector<FieldCopy> customerForQuote(const RecordView &customer);
// A supplier into an item card (Magazzino fields).
std::vector<FieldCopy> supplierForItem(const RecordView &supplier);

} // namespace PickerCopies
