#include "Areas.h"

#include "shell/TfrmAvvio.h"

void registerAreas(TfrmAvvio &menu)
{
    // Each area creates its window here and hands it over:
    //   menu.setAreaWindow(Area::Clienti, new TfrmClienti);
    // An area not registered stays disabled on the menu.
    (void)menu;
}
