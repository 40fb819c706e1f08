#pragma once

#include "resistance.h"

#include <optional>
#include <string>
#include <string_view>

namespace Velmora {

// Why a text is not read as a value.
enum class ReadError {
    None,
    Empty,
    Negative,
    TwoSeparators, // "1.000,5", "1.000.000"
    Grouping, // "4.700": 4700 to some readers, 4,7 to others
    MilliOrMega, // "2,2m"
    Malformed, // letters or spaces out of place
    TooManyDigits, // more than an exact value holds
};

struct ValueReading {
    std::optional<Resistance> value;
    ReadError error = ReadError::None;
    std::string message; // Italian, UTF-8; empty when read
};

// Reads a resistance as a parts list writes it: "4700", "4,7k", "0.22",
// "4.7 kΩ", "470 R", "2,2 M", "1 GΩ", or the letter code "4K7", "0R22",
// "R47", "2M2". Either "." or "," is the decimal separator; decimalPoint, the
// locale's, is the one the messages use. Never guesses: a thousands-grouped
// look ("4.700") and a lower-case "m" (milli or mega) are refused with the
// spellings that are not in doubt.
ValueReading readValue(std::string_view text, std::string_view decimalPoint);

} // namespace Velmora
