#pragma once

#include "capacitortolerance.h"
#include "capacitorvalue.h"
#include "dielectric.h"
#include "part.h"
#include "ratedvoltage.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

// One way of reading a whole marking: each part it says, none it does not.
struct CapacitorMarkingReading {
    std::optional<CapacitorValue> value;
    std::optional<CapacitorTolerance> tolerance;
    std::optional<RatedVoltage> voltage;
    std::optional<Dielectric> dielectric;
};

// Why a marking is not read.
enum class CapacitorMarkingError {
    None,
    Empty,
    TooLong, // more characters than any marking is printed with
    UnreadPart, // a part no format reads; badPart says which
    Conflicting, // every reading says one thing twice: "104 473", "50V 1H"
};

struct CapacitorMarking {
    std::vector<CapacitorMarkingReading> readings; // every reading, when the parts read more than one way
    CapacitorMarkingError error = CapacitorMarkingError::None;
    std::size_t badPart = 0; // with UnreadPart, the part counted from 0, parts parted by spaces
};

// Reads a whole printed marking, its parts parted by spaces or run
// together where the codes allow: "2A473J" (EIA voltage, value, tolerance),
// "104K 50V", "X7R 104", "4n7 J 100V", "107C". A letter after the value is
// a tolerance letter and, on a part of 0,1 µF or more without an EIA voltage
// code, a tantalum's voltage letter too; a tolerance letter reads against
// the value beside it.
CapacitorMarking readCapacitorMarking(std::string_view text);

// The capacitor a reading describes, marked by the code as printed: its
// value in farads, its tolerance where that is a percentage (a tolerance in
// picofarads stays with the reading alone, as no percentage is it exactly)
// and a class 1 coefficient where it is whole ppm/K. Nothing without a value.
std::optional<Part> partOf(const CapacitorMarkingReading &reading, std::string_view printed);

} // namespace Velmora
