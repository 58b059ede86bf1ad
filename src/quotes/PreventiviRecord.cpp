#include "PreventiviRecord.h"

namespace Preventivi {
namespace {

std::vector<RecordLayout::FieldSpec> fields()
{
    std::vector<RecordLayout::FieldSpec> f = {QUADRIVO_PREVENTIVI_HEADER_FIELDS(QUADRIVO_FIELD_SPEC)};
    const struct
    {
        const char *prefix;
        int capacity;
    } columns[] = {
#define QUADRIVO_PREVENTIVI_COLUMN(column, prefix, capacity) {#prefix, capacity},
        QUADRIVO_PREVENTIVI_LINE_COLUMNS(QUADRIVO_PREVENTIVI_COLUMN)
#undef QUADRIVO_PREVENTIVI_COLUMN
    };
    for (const auto &c : columns) {
        for (int line = 1; line <= kLines; ++line)
            f.push_back(
                {QStringLiteral("%1%2").arg(QLatin1StringView(c.prefix)).arg(line, 2, 10, QChar(u'0')),
                 c.capacity});
    }
    f.insert(f.end(), {QUADRIVO_PREVENTIVI_CLOSING_FIELDS(QUADRIVO_FIELD_SPEC)});
    return f;
}

} // namespace

const RecordLayout &layout()
{
    static const RecordLayout l(QStringLiteral("TSchedaPreventivi"), fields());
    return l;
}

} // namespace Preventivi
