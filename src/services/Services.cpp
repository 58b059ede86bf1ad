#include "Services.h"

#include "CardPrintCommands.h"

void registerServices()
{
    CardPrint::registerServices();
}
