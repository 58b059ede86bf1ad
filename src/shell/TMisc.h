#pragma once

#include <QString>

// The shell "open" operation: hands a document path, a "mailto:" address or a web address to the
// desktop and returns at once; a failure is not reported. Callers enclose document paths and
// "mailto:" addresses in double quotes.
class TMisc
{
public:
    static void Open(const QString &command);
    // "mailto:" + address, in double quotes, as the e-mail buttons pass it.
    static QString mailto(const QString &address);
};
