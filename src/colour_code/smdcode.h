#pragma once

#include "part.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Velmora {

// The ways a surface-mount resistor prints its value.
enum class SmdFormat {
    Jumper, // "0", "00", "000": a 0 Ω link
    ThreeDigits, // "472": two digits and the number of zeros
    FourDigits, // "4701": three digits and the number of zeros
    RNotation, // "4R7", "R47", "0R22", "R010": R where the decimal point is
    LNotation, // "6L8": L where the decimal point is, in milliohms
    Eia96, // "01C": the value's place in E96 and a multiplier letter
};

struct SmdReading {
    Decimal value;
    SmdFormat format = SmdFormat::ThreeDigits;
    std::optional<int> tolerance; // hundredths of a percent, where the marking says it
    std::optional<int> usualTolerance; // what such parts usually are, where it does not
    bool oneMaker = false; // an EIA-96 letter read from one maker's table only
};

// Why a marking is not read.
enum class SmdError {
    None,
    Empty,
    Malformed, // no format writes it so
    Eia96Number, // two digits and a multiplier letter, but not 01 to 96
    Eia96Letter, // two digits and a letter that is no multiplier
};

struct SmdCode {
    std::vector<SmdReading> readings; // every reading, when more than one format writes it so
    SmdError error = SmdError::None;
};

// The part a reading describes, marked by the code as printed: a resistor
// with the tolerance the marking says, if it says one.
Part partOf(const SmdReading &reading, std::string_view code);

// Reads a marking as printed, in any case, spaces around it ignored.
SmdCode readSmdCode(std::string_view code);

// Whether the readings disagree on the value: 47R is 47 Ω or 3,01 Ω, while
// 01R is 1 Ω either way.
bool readsTwoValues(const SmdCode &code);

struct SmdMarking {
    std::string text;
    SmdFormat format;
};

// Every marking that writes a value exactly, in SmdFormat's order: a
// jumper's two, the digit codes, R in three characters and in four, L in
// three, the E96 code.
std::vector<SmdMarking> smdMarkings(Decimal value);

} // namespace Velmora
