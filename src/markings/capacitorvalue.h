#pragma once

#include "decimal.h"
#include "smdcapacitorcode.h"

#include <string_view>
#include <vector>

namespace Velmora {

// The ways a capacitor prints its capacitance.
enum class CapacitorFormat {
    ThreeDigits, // "104": two digits in pF and the number of zeros; 8 and 9 divide by 100 and 10
    Picofarads, // "47", and "470" besides 47 pF: picofarads as they are, as older parts print them
    LetterCode, // "4n7", "p47", "1m0", "100n": the prefix where the decimal point goes
    RNotation, // "4R7", "0R5": R where the decimal point goes, in pF
    WrittenOut, // "0,1µF", "100 n", "220 µF"; a bare "0,1" is in µF, as small film parts print it
    TwoCharacters, // "S3": a letter for the mantissa and a digit for the power of ten, in pF
};

struct CapacitorValue {
    Decimal farads;
    CapacitorFormat format = CapacitorFormat::ThreeDigits;
    SmdCapacitorSource source = SmdCapacitorSource::Agreed; // the table, for a two-character code
};

// Why a text is not read as a capacitance.
enum class CapacitorValueError {
    None,
    Empty,
    Malformed, // no format writes it so
    MegaPrefix, // "1M0", "2,2MF": an upper-case M is mega on a resistor and never a capacitor's
    TooManyDigits, // more digits than an exact value holds
    Zero, // "000", "0n0": no capacitor is none
};

struct CapacitorValueReading {
    std::vector<CapacitorValue> readings; // every reading, when more than one format writes it so
    CapacitorValueError error = CapacitorValueError::None;
};

// Reads a capacitance as printed or typed, spaces around it ignored. Either
// "," or "." is the decimal separator. The prefixes are p, n, u, µ (U+00B5
// or U+03BC) and m (milli), with P, N and U also in upper case, and R for
// picofarads in a letter code alone; F after the
// prefix is optional where the value is written out, and absent from a
// letter code. A two-character code ("S3", "n7", also "M3") reads besides,
// its readings after the other formats'.
CapacitorValueReading readCapacitorValue(std::string_view text);

} // namespace Velmora
