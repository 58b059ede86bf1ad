#pragma once

class QObject;

// The toolkit's own windows (file, print and page-setup dialogs, the print preview, the standard
// buttons) in Italian, from the system's Qt translations. False when none could be loaded: the
// program still works, with those windows in English.
bool installToolkitTranslations(QObject *owner);
