#pragma once

#include <QString>

class QWidget;

// The identifier check windows, opened modally by the cards' buttons with the trimmed text of the
// card's field. They give nothing back.
namespace CheckWindows {

void openCodFisc(QWidget *parent, const QString &value);
void openPartitaIva(QWidget *parent, const QString &value);
void openCarta(QWidget *parent, const QString &value);
void openIban(QWidget *parent, const QString &value);
// The tax code button: any non-empty all-digit text opens the VAT number window,
// anything else (empty included) the tax code window.
void openCodFiscOrPartitaIva(QWidget *parent, const QString &value);

} // namespace CheckWindows
