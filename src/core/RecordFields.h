#pragma once

#include "RecordLayout.h"

#include <concepts>
#include <type_traits>

// A record's fields are listed once, as X(Name, capacity) entries of a list macro, and the list
// gives both the record's field handles (an enum of its own) and its layout:
//
//   #define QUADRIVO_EXAMPLE_FIELDS(X) X(Codice, 30) X(Note, 250)
//   enum Field : int { QUADRIVO_EXAMPLE_FIELDS(QUADRIVO_FIELD_HANDLE) };
//   RecordLayout(name, {QUADRIVO_EXAMPLE_FIELDS(QUADRIVO_FIELD_SPEC)})
//
// A handle converts to the plain field index that records, views and layouts take, so generic
// code works on any record; a card binds controls only to handles of its own record.
#define QUADRIVO_FIELD_HANDLE(name, capacity) name,
#define QUADRIVO_FIELD_SPEC(name, capacity) RecordLayout::FieldSpec{QStringLiteral(#name), capacity},
#define QUADRIVO_FIELD_COUNT(name, capacity) +1
// Each field is its length byte and its capacity.
#define QUADRIVO_FIELD_BYTES(name, capacity) +(1 + (capacity))

// The field handles of one record: an enum found with its layout by `layoutOf(handle)`, which the
// record's namespace declares next to the enum.
template <class F>
concept FieldHandle = std::is_enum_v<F> && requires(F f)
{
    {
        layoutOf(f)
        } -> std::same_as<const RecordLayout &>;
};

// first..last, both included, as handles: a run of fields treated alike (the attachments).
template <FieldHandle F> class FieldRun
{
public:
    class iterator
    {
    public:
        using value_type = F;
        using difference_type = int;
        explicit iterator(int at) : m_at(at) {}
        F operator*() const { return F(m_at); }
        iterator &operator++()
        {
            ++m_at;
            return *this;
        }
        bool operator==(const iterator &) const = default;

    private:
        int m_at;
    };

    FieldRun(F first, F last) : m_first(int(first)), m_end(int(last) + 1) {}
    iterator begin() const { return iterator(m_first); }
    iterator end() const { return iterator(m_end); }

private:
    int m_first;
    int m_end;
};
