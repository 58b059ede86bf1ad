#include "TextField.h"

#include "Trimming.h"
#include "Win1252.h"

#include <cstring>

namespace TextField {

QString trim(QStringView text)
{
    return Trimming::trimmed(text).toString();
}

void store(char *field, int capacity, QStringView text)
{
    QByteArray bytes = Win1252::encode(trim(text));
    if (bytes.size() > capacity)
        bytes.truncate(capacity);
    std::memset(field, 0, size_t(capacity) + 1);
    field[0] = char(bytes.size());
    std::memcpy(field + 1, bytes.constData(), size_t(bytes.size()));
}

QString load(const char *field, int capacity)
{
    int length = static_cast<unsigned char>(field[0]);
    if (length > capacity)
        length = capacity;
    return trim(Win1252::decode(field + 1, length));
}

bool lengthOverflows(const char *field, int capacity)
{
    return static_cast<unsigned char>(field[0]) > capacity;
}

} // namespace TextField
