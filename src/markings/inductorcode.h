#pragma once

#include "decimal.h"
#include "inductorbands.h"
#include "part.h"

#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

// The ways an inductor prints its inductance.
enum class InductorFormat {
    ThreeDigits, // "101": two digits in µH and the number of zeros
    RNotation, // "4R7", "R47": R where the decimal point goes, in µH
    NNotation, // "2N7", "27N": N where the decimal point goes, in nH
    WrittenOut, // "4,7µH", "10 uH", "100nH", "1mH"
};

// The table a tolerance letter was read from. The letters every table that
// has them gives alike are Agreed.
enum class InductorToleranceSource {
    Agreed,
    Ctc, // ctccoils.com (an inductor maker), "Table 2. Tolerance"
    Token, // token.com.tw (an inductor maker), "Inductance Tolerance Codes"
    BasicTables, // basictables.com, "Inductor codes"
};

// A tolerance letter as one table reads it: a percentage, an inductance
// either side, or neither where the table says the letter asks for none.
struct InductorTolerance {
    char letter = 0;
    std::optional<Tolerance> percent; // hundredths of a percent
    std::optional<Decimal> absolute; // henries either side: ± 0,3 nH is 3 × 10^-10
    InductorToleranceSource source = InductorToleranceSource::Agreed;
};

struct InductorCodeValue {
    Decimal henries;
    InductorFormat format = InductorFormat::ThreeDigits;
    std::optional<InductorTolerance> tolerance;
};

enum class InductorCodeError {
    None,
    Empty,
    Malformed, // no format writes it so
    TooManyDigits, // more digits than an exact value holds
    Zero, // "000", "0R0": no inductor is none
};

struct InductorCode {
    std::vector<InductorCodeValue> readings; // every reading: the whole text first, then with a tolerance letter
    InductorCodeError error = InductorCodeError::None;
};

// Every reading of an upper-case tolerance letter, Agreed first, then the
// tables in InductorToleranceSource's order; nothing for a letter no table has.
std::vector<InductorTolerance> readInductorToleranceLetter(char letter);

// Reads an inductor's printed code, spaces around it ignored: a value in
// one of InductorFormat's forms and, after it, an upper-case tolerance
// letter, with or without a space. N is also n; "," or "." is the decimal
// separator where the value is written out, and H is needed there.
InductorCode readInductorCode(std::string_view text);

// The inductor a reading describes: its value in henries and its tolerance
// where that is a percentage (an inductance either side stays with the
// reading), marked by the bands or code as printed.
Part partOf(const InductorBandValue &reading, std::string_view printed);
Part partOf(const InductorCodeValue &reading, std::string_view printed);

} // namespace Velmora
