#pragma once

// Number texts as the windows show them: calc/ writes them in the user's
// regional format, read here from the locale.

#include "calc/numbers.h"

#include <QString>

#include <string>

namespace vorvan::kit {

NumberFormat numberFormat();
QString fixed(double value, int decimals);
// A text made by calc/ (UTF-8), as the windows show it.
QString text(const std::string &calcText);

} // namespace vorvan::kit
