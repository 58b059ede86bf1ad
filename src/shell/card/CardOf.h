#pragma once

#include "CardSection.h"
#include "CardWindow.h"
#include "core/RecordFields.h"

#include <QLabel>
#include <type_traits>
#include <utility>

// A card of one record type: its sections, bindings and mandatory checks take only that record's
// field handles, so a field of another record is a compile error rather than a field saved from
// the wrong control. `Base` is CardWindow or a card family built on it (ContactCard).
template <FieldHandle F, class Base = CardWindow> class CardOf : public Base
{
public:
    using Field = F;

    template <class... Args>
    requires std::is_constructible_v<Base, Args...>
    explicit CardOf(Args &&...args) : Base(std::forward<Args>(args)...)
    {
        if (&this->recordLayout() != &layoutOf(F{}))
            qFatal("CardOf: the handles are not those of %s", qPrintable(this->recordLayout().typeName()));
    }

protected:
    CardSectionOf<F> *addSection(const QString &title, int row, int column, int rowSpan = 1,
                                 int columnSpan = 1)
    {
        auto *section = new CardSectionOf<F>(this, title);
        this->placeSection(section, row, column, rowSpan, columnSpan);
        return section;
    }
    void bindField(F field, QWidget *control, const FieldOptions &options = {})
    {
        Base::bindField(field, control, options);
    }
    QLabel *addHiddenField(F field, const QString &objectName = {}, const FieldOptions &options = {})
    {
        return Base::addHiddenField(field, objectName, options);
    }
    void addMandatory(F field, const QString &warning) { Base::addMandatory(field, warning); }
};
