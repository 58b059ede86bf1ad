// Record decoding of the five archive layouts: any bytes decode without reading past the record
// (the buffer is exactly one record long), and what decodes once encodes and decodes to the same.

#include "FuzzCheck.h"
#include "core/Record.h"
#include "customers/ClientiRecord.h"
#include "deadlines/ScadenzarioRecord.h"
#include "quotes/PreventiviRecord.h"
#include "suppliers/FornitoriRecord.h"
#include "warehouse/MagazzinoRecord.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const RecordLayout *layouts[] = {&Clienti::layout(), &Fornitori::layout(), &Magazzino::layout(),
                                     &Preventivi::layout(), &Scadenzario::layout()};
    const RecordLayout &layout = *layouts[data[0] % 5];
    const size_t r = size_t(layout.recordSize());
    // Short inputs repeat to fill the record, so small mutations still reach every field.
    std::unique_ptr<char[]> bytes(new char[r]);
    const uint8_t *body = data + 1;
    const size_t bodySize = size - 1;
    for (size_t i = 0; i < r; ++i)
        bytes[i] = bodySize ? char(body[i % bodySize]) : '\0';

    const Record decoded = Record::decode(layout, bytes.get());
    FUZZ_CHECK(decoded.texts().size() == layout.fieldCount());
    const QByteArray encoded = decoded.encode();
    FUZZ_CHECK(size_t(encoded.size()) == r);
    const Record again = Record::decode(layout, encoded);
    FUZZ_CHECK(again.texts() == decoded.texts());
    FUZZ_CHECK(again.encode() == encoded);
    for (int f = 0; f < layout.fieldCount(); ++f) {
        const char *field = encoded.constData() + layout.offset(f);
        const int length = static_cast<unsigned char>(field[0]);
        FUZZ_CHECK(length <= layout.capacity(f));
        for (int i = length + 1; i <= layout.capacity(f); ++i)
            FUZZ_CHECK(field[i] == 0); // unused bytes are written as zeros
    }
    return 0;
}
