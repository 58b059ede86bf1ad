#pragma once

// Registers every service of the card windows (search, print, export, lists) with CardServices.
// main() calls it before the windows are made; the window tests' fake platform calls it too.
// Calling it again changes nothing.
void registerServices();
