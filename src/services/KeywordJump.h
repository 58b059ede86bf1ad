#pragma once

#include <QString>
#include <functional>

// "Trova" inside a result list: moves the selection to the next line containing a keyword,
// compared with A-Z folded. A new keyword is looked for from line 0 (tested first); the same
// keyword again goes on from the line after the selection and wraps round. An empty keyword never
// matches. Shared by every window with a result list.
class KeywordJump
{
public:
    enum class Outcome { EmptyList, Found, NotFound };
    struct Result
    {
        Outcome outcome;
        int row; // the line to select afterwards; -1 for an empty list
    };

    // `selected` is -1 when no line is selected.
    Result next(int count, int selected, const QString &typed, const std::function<QString(int)> &lineAt);
    void reset() { m_last.clear(); }

private:
    QString m_last;
};
