#include "CheckWindows.h"

// Placeholder until the check windows land.
namespace CheckWindows {
void openCodFisc(QWidget *, const QString &) {}
void openPartitaIva(QWidget *, const QString &) {}
void openCarta(QWidget *, const QString &) {}
void openIban(QWidget *, const QString &) {}
void openCodFiscOrPartitaIva(QWidget *, const QString &) {}
} // namespace CheckWindows
