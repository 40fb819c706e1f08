#pragma once

#include "decimal.h"

#include <gmpxx.h>

#include <string>

namespace Velmora {

// A network's value kept exactly: a fraction of whole numbers of any size,
// in ohms. Four parts in parallel reach denominators no machine word holds.
using Exact = mpq_class;

Exact exactOf(Decimal value);
// numerator / denominator in lowest terms, as GMP's arithmetic needs it.
Exact fraction(long numerator, long denominator);

// "9000", "2000/3": the fraction in lowest terms, for data.
std::string fractionText(const Exact &value);

// The value as a decimal with '.', exact where it is one of at most
// significantFigures figures, otherwise rounded half away from zero to that
// many: "9000", "666.666666666667", "-0.5".
std::string decimalText(const Exact &value, int significantFigures = 15);

// The value rounded to so many significant figures, for a person to read.
Decimal roundedDecimal(const Exact &value, int significantFigures);

} // namespace Velmora
