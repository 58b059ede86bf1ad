#pragma once

#include <QStringList>

// The province codes offered by every province combo, in list order. The user may still type
// any two characters: the list only helps.
namespace ProvinceCodes {
const QStringList &all();
}
