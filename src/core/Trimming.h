#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <type_traits>

// Removing characters with codes up to 32 (blanks and control characters) from both ends, the
// trimming every stored text gets. In Windows-1252 those are the bytes up to 32, so the raw bytes
// of a field trim the same way as its decoded text.
namespace Trimming {

template <class View> View trimmed(View view)
{
    qsizetype begin = 0;
    qsizetype end = view.size();
    const auto low = [&](qsizetype i) {
        if constexpr (std::is_same_v<View, QStringView>)
            return view[i].unicode() <= 32;
        else
            return static_cast<unsigned char>(view[i]) <= 32;
    };
    while (begin < end && low(begin))
        ++begin;
    while (end > begin && low(end - 1))
        --end;
    return view.sliced(begin, end - begin);
}

} // namespace Trimming
