#pragma once

#include "part.h"

#include <array>
#include <cstddef>
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
    TooLong, // more characters than any value is written with
    ControlCharacter, // a tab aside, no value holds one
};

// The most characters a value, a marking or a measurement is typed with:
// the fields stop there, and the readers refuse more.
inline constexpr std::size_t MostCharacters = 40;

struct ValueReading {
    std::optional<Decimal> value;
    ReadError error = ReadError::None;
    // The spellings that are not in doubt, each one readValue accepts: with
    // Grouping the thousands reading, then the decimal one; with MilliOrMega
    // the mega one, then the milli one.
    std::array<std::string, 2> spellings;
    // With MilliOrMega, the number written before the "m".
    Decimal number;
    // With ControlCharacter, its code.
    unsigned controlCode = 0;
};

// The resistor a typed value names, marked by the text as typed; nothing
// where the text is not read.
std::optional<Part> partOf(const ValueReading &reading, std::string_view typed);

// Reads a resistance as a parts list writes it: "4700", "4,7k", "0.22",
// "4.7 kΩ", "470 R", "2,2 M", "1 GΩ", or the letter code "4K7", "0R22",
// "R47", "2M2", with one unit at most. Either "." or "," is the decimal
// separator; decimalPoint, the locale's, is the one the spellings use. Never
// guesses: a thousands-grouped look ("4.700", "041,078") and a lower-case "m"
// (milli or mega) are refused with the spellings that are not in doubt.
ValueReading readValue(std::string_view text, std::string_view decimalPoint);

// Plain ohms as the windows write them, except where that would look
// thousands-grouped ("4,701"): there the letter code, "4R701", so that every
// value shown reads back as itself.
std::string unambiguousText(Decimal r, std::string_view decimalPoint);

} // namespace Velmora
