#include "Areas.h"

#include "customers/TfrmClienti.h"
#include "deadlines/TfrmScadenzario.h"
#include "quotes/TfrmMenuPreventivi.h"
#include "quotes/TfrmPreventivi.h"
#include "shell/TfrmAvvio.h"
#include "suppliers/TfrmFornitori.h"
#include "warehouse/TfrmMagazzino.h"
#include "warehouse/TfrmMenuRiepilogo.h"

void registerAreas(TfrmAvvio &menu)
{
    // Each area creates its long-lived window here; an area not registered stays disabled.
    menu.setAreaWindow(Area::Clienti, createTfrmClienti());
    menu.setAreaWindow(Area::Fornitori, createTfrmFornitori());
    menu.setAreaWindow(Area::Magazzino, createTfrmMagazzino());
    menu.setAreaWindow(Area::Inventario, new TfrmMenuRiepilogo);
    menu.setAreaWindow(Area::Scadenzario, createTfrmScadenzario());

    // The quote window is reached through its year window and returns to the menu.
    auto *anni = new TfrmMenuPreventivi;
    TfrmPreventivi *preventivi = createTfrmPreventivi();
    menu.setAreaWindow(Area::Preventivi, anni);
    menu.returnHereFrom(preventivi);
    QObject::connect(anni, &TfrmMenuPreventivi::openYear, preventivi, &TfrmPreventivi::openYear);
}
