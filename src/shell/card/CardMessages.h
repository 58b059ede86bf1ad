#pragma once

#include <QString>
#include <QStringList>

// The fixed texts that every card window shows.
namespace CardMessages {

inline QString archiveAccess()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}
inline QString emptyArchive()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}
inline QString inserted()
{
    return QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
}
inline QString changesSaved()
{
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
inline QString duplicateNeedsStoredCard()
{
    return QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che "
                          "questa \u00E8 stata inserita in archivio.");
}
inline QString duplicated()
{
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio.");
}
inline QString changedElsewhere()
{
    return QStringLiteral("Attenzione: la scheda \u00E8 stata modificata da un'altra postazione dopo "
                          "essere stata caricata.\n\r\n\rSi vuole sovrascriverla con i dati visualizzati?");
}
// `field` is the field's caption, `characters` the refused ones as the user typed them.
inline QString unstorableCharacters(const QString &field, const QStringList &characters)
{
    return QStringLiteral("Attenzione: il campo \"%1\" contiene caratteri che l'archivio non pu\u00F2 "
                          "memorizzare (%2).")
        .arg(field, characters.join(u' '));
}
inline QString ready()
{
    return QStringLiteral("Pronto per archiviare una nuova scheda...");
}

} // namespace CardMessages
