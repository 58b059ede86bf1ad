#pragma once

#include <QString>

class CardWindow;

// The "Allega file" command of the customer, supplier and item cards: opens the attachment window
// on the card's three rows (hidden fields File01-03, then Desc01-03, in record order from
// `firstFile`) and puts what it gives back into them; the card's next Save stores them.
void editCardAttachments(CardWindow &card, const QString &mode, int firstFile);
