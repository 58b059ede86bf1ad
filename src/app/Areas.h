#pragma once

class TfrmAvvio;

// Creates the long-lived working windows of the areas and registers them with the main menu.
// They live until the program ends (the menu does not own them).
void registerAreas(TfrmAvvio &menu);
