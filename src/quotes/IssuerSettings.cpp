#include "IssuerSettings.h"

#include "platform/Platform.h"

namespace IssuerSettings {

QString saveFailedMessage()
{
    return QStringLiteral("Attenzione: non è stato possibile salvare i dati della Ditta emittente nel file "
                          "Taccuino.ini.\n\r\n\rVerificare che la cartella del programma sia accessibile in "
                          "scrittura: i dati non salvati andranno reinseriti alla prossima apertura.");
}

bool save(QWidget *parent, const Taccuino::IssuerTexts &texts)
{
    if (Taccuino::writeIssuer(programFile(Taccuino::fileName()), texts))
        return true;
    env().messages->show(parent, MessageKind::Warning, saveFailedMessage());
    return false;
}

} // namespace IssuerSettings
