#include "CardAttachments.h"

#include "TfrmAllegaCartella.h"
#include "shell/card/CardWindow.h"

#include <QLabel>

void editCardAttachments(CardWindow &card, const QString &mode, int firstFile)
{
    const auto label = [&](int field) {
        auto *l = card.control<QLabel>(field);
        if (!l)
            qFatal("editCardAttachments: field %d is not a hidden field of the card", field);
        return l;
    };
    const int firstDesc = firstFile + Attachments::kRows;
    Attachments::Rows rows;
    for (int row = 0; row < Attachments::kRows; ++row)
        rows[row] = {label(firstFile + row)->text(), label(firstDesc + row)->text()};
    const std::optional<Attachments::Rows> applied = TfrmAllegaCartella::run(&card, mode, rows);
    if (!applied)
        return;
    for (int row = 0; row < Attachments::kRows; ++row) {
        label(firstFile + row)->setText((*applied)[row].file);
        label(firstDesc + row)->setText((*applied)[row].desc);
    }
}
