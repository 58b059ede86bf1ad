#pragma once

#include "Taccuino.h"

class QWidget;

// Storing the issuer data when the quote window closes. The window closes whatever happens; a
// failure is told to the user, so the data typed are not lost without a word.
namespace IssuerSettings {

QString saveFailedMessage();

// Writes the thirteen issuer keys of Taccuino.ini in the program folder from the texts; on
// failure shows saveFailedMessage() as a warning over parent and returns false.
bool save(QWidget *parent, const Taccuino::IssuerTexts &texts);

} // namespace IssuerSettings
