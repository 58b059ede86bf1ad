#pragma once

// Registers the summary lists with the cards: each list's command on its archive's card opens the
// list and loads the chosen record into the card.
void registerSummaryListServices();
