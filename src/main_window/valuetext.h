#pragma once

#include <QString>

namespace Velmora {

// A resistance in plain ohms as the window shows it: rounded to at most 15
// significant digits, plain decimal (never an exponent), no digit grouping,
// no trailing zeros or separator, the given decimal separator.
QString valueText(double value, QStringView decimalPoint);

} // namespace Velmora
