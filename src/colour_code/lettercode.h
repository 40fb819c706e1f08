#pragma once

#include "decimal.h"

#include <string>
#include <string_view>

namespace Velmora {

// A value in ohms as IEC 60062's letter code writes it, the letter of its
// multiple where the decimal point goes: R47, 4R7, 470R, 4K7, 47K, 47K3,
// 1M0. A whole one-digit number keeps a zero after its letter (1K0), so
// that the letter never ends the code alone. Nothing for zero.
std::string letterCode(Decimal ohms);

// A value with the SI prefix that leaves one to three whole digits (less
// than one for values below 1 stays without a prefix): 4700 is 4,7 k,
// 0,22 is 0,22. The number uses the given decimal point; the prefix is
// UTF-8, empty for none.
struct PrefixedValue {
    std::string number;
    std::string_view prefix;
};
PrefixedValue prefixedValue(Decimal value, std::string_view decimalPoint);

} // namespace Velmora
