#include "CheckWindows.h"

#include "CheckDialogs.h"
#include "IdentifierChecks.h"

namespace {

// Created for one check, shown modally, destroyed on closing; nothing goes back to the caller.
template <class Window> void openModal(QWidget *parent, const QString &value)
{
    Window window(parent);
    window.setValue(value);
    window.exec();
}

} // namespace

namespace CheckWindows {

void openCodFisc(QWidget *parent, const QString &value)
{
    openModal<TfrmCodFisc>(parent, value);
}
void openPartitaIva(QWidget *parent, const QString &value)
{
    openModal<TfrmPartitaIva>(parent, value);
}
void openCarta(QWidget *parent, const QString &value)
{
    openModal<TfrmCarta>(parent, value);
}
void openIban(QWidget *parent, const QString &value)
{
    openModal<TfrmIban>(parent, value);
}

void openCodFiscOrPartitaIva(QWidget *parent, const QString &value)
{
    const QString trimmed = value.trimmed();
    if (IdentifierChecks::isCompanyTaxCode(trimmed))
        openPartitaIva(parent, trimmed);
    else
        openCodFisc(parent, trimmed);
}

} // namespace CheckWindows
