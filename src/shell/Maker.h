#pragma once

#include <QString>

// Who makes Quadrivo and how to reach them.
namespace Maker {

inline QString webSite()
{
    return QStringLiteral("https://www.quadrivo.example");
}

inline QString email()
{
    return QStringLiteral("info@quadrivo.example");
}

// The information window's contact request, as handed to the shell: the mail address with subject
// and body, in double quotes, blanks left as they are.
inline QString contactCommand()
{
    return u'"' + QStringLiteral("mailto:") + email() + QStringLiteral("?subject=") +
           QStringLiteral("Software Quadrivo") + QStringLiteral("&body=") +
           QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:") +
           u'"';
}

} // namespace Maker
