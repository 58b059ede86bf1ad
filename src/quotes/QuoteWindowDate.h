#pragma once

#include <QString>

// The date of issue a quote may be saved with.
namespace QuoteWindowDate {

// Day and month of one or two digits and a four-digit year, separated by "/", that name a real
// calendar day (29/02 only in leap years); blanks at the ends do not count.
bool isValid(const QString &text);

QString invalidMessage();

} // namespace QuoteWindowDate
