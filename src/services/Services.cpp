#include "Services.h"

#include "shell/card/CardServices.h"

void registerServices()
{
    // Each service adds its registration here.
}
