#pragma once

// Registers the search windows and the record pickers with the cards: cmdTrova of every card and
// the import arrows that pick a customer (quotes, deadlines) or a supplier (items).
void registerSearchServices();
