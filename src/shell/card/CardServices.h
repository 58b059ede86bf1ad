#pragma once

#include <QString>
#include <functional>

class CardWindow;

// The commands of a card that belong to a service working across the archive (search, print,
// export, lists): the service registers its action for an archive kind ("customers", ...) and a
// command's objectName ("cmdTrova"); the card's button runs it. Until a service registers, the
// button stays disabled with its hint.
namespace CardServices {

using Action = std::function<void(CardWindow &card)>;

void add(const QString &kind, const QString &command, Action action);
// nullptr when no service registered that command for that kind.
const Action *find(const QString &kind, const QString &command);

} // namespace CardServices
