#pragma once

#include "quantity.h"

#include <optional>
#include <string>

namespace Velmora {

enum class PartKind { Resistor, Capacitor, Inductor };

constexpr Unit unitOf(PartKind kind)
{
    return kind == PartKind::Capacitor ? Unit::Farad : kind == PartKind::Inductor ? Unit::Henry : Unit::Ohm;
}

// How far a part may lie from its value, in hundredths of a percent either
// side: ± 5 % is 500 and 500; +80/−20 % is 2000 below and 8000 above.
struct Tolerance {
    int below = 0;
    int above = 0;

    constexpr bool symmetric() const { return below == above; }
    bool operator==(const Tolerance &) const = default;
};

constexpr Tolerance plusMinus(int hundredthsOfPercent)
{
    return {hundredthsOfPercent, hundredthsOfPercent};
}

// What a part's value was read from: colour bands, a printed code, or a
// value a person typed. text is the marking as it was given.
enum class MarkingKind { Typed, Bands, Code };
struct Marking {
    MarkingKind kind = MarkingKind::Typed;
    std::string text;

    bool operator==(const Marking &) const = default;
};

// A part as a marking describes it: what kind, its value in the kind's
// unit, and what else the marking says.
struct Part {
    PartKind kind = PartKind::Resistor;
    Quantity value;
    std::optional<Tolerance> tolerance;
    std::optional<int> coefficient; // ppm/K
    Marking marking;
};

constexpr Part resistor(Decimal ohmsValue, std::optional<Tolerance> tolerance = std::nullopt)
{
    return {PartKind::Resistor, ohms(ohmsValue), tolerance, std::nullopt, {}};
}

// The lowest and highest value the tolerance allows, exactly; nothing
// without a tolerance.
struct Range {
    Quantity lowest;
    Quantity highest;
};
std::optional<Range> rangeOf(const Part &part);

} // namespace Velmora
