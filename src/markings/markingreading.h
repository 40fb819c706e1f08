#pragma once

#include "capacitormarking.h"
#include "inductorcode.h"
#include "part.h"
#include "smdcode.h"

#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

// The ways a resistor's printed value is read here besides its SMD codes.
enum class ResistorFormat {
    Smd, // the SMD codes: smd holds the reading and its format
    LetterCode, // "4K7", "1M0", "2G2": K, M or G where the decimal point goes
};

// One reading of a marking as one kind of part. Exactly one of resistor,
// capacitor and inductor is set, the one the reading's kind names; part is
// what it describes, and none where the marking says no value ("X7R").
struct MarkingReading {
    PartKind component = PartKind::Resistor;
    std::optional<Part> part;
    ResistorFormat resistorFormat = ResistorFormat::Smd;
    std::optional<SmdReading> smd;
    std::optional<CapacitorMarkingReading> capacitor;
    std::optional<InductorCodeValue> inductor;
};

struct MarkingReadings {
    // Resistors first, then capacitors, then inductors, each kind in its
    // reader's order.
    std::vector<MarkingReading> readings;
    // Why each kind read nothing, where it was asked for.
    SmdError resistorError = SmdError::None;
    CapacitorMarkingError capacitorError = CapacitorMarkingError::None;
    InductorCodeError inductorError = InductorCodeError::None;
};

// Every reading of a printed marking as each kind of part, or as the one
// kind given: a resistor's SMD and letter codes, a capacitor's whole
// marking, an inductor's code.
MarkingReadings readMarking(std::string_view text, std::optional<PartKind> component = std::nullopt);

// The kinds of part the readings are of, each once, in the readings' order.
std::vector<PartKind> kindsOf(const MarkingReadings &marking);

} // namespace Velmora
