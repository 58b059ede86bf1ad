#include "KeywordJump.h"

#include "core/ListText.h"

KeywordJump::Result KeywordJump::next(int count, int selected, const QString &typed,
                                      const std::function<QString(int)> &lineAt)
{
    if (count <= 0)
        return {Outcome::EmptyList, -1};
    if (selected < 0 || selected >= count)
        selected = 0;
    const QString key = ListText::lowerAZ(typed);
    const auto matches = [&](int row) {
        return !key.isEmpty() && ListText::lowerAZ(lineAt(row)).contains(key);
    };

    const bool sameKey = key == m_last;
    m_last = key;
    int start = selected;
    if (!sameKey) {
        start = 0;
        if (matches(0))
            return {Outcome::Found, 0};
    }
    int row = start;
    do {
        row = (row + 1) % count;
        if (matches(row))
            return {Outcome::Found, row};
    } while (row != start);
    return {Outcome::NotFound, selected};
}
