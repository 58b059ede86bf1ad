#pragma once

// Registers the quote window's import arrows impMag01 ... impMag30: each opens the item import
// window for its own line and fills that line with what the window hands back.
void registerItemImportServices();
