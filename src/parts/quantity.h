#pragma once

#include "decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Velmora {

enum class Unit { Ohm, Farad, Henry };

// "Ω", "F", "H": the symbol, for data; people read the wording's.
std::string_view unitSymbol(Unit unit);

// An amount of a unit, kept exactly: numerator / denominator, the numerator
// a decimal and the denominator a positive whole number. Every value a
// marking writes has denominator 1; a network of parts need not
// (1 kΩ ∥ 2 kΩ = 2000/3 Ω), and stays exact all the same.
struct Quantity {
    Unit unit = Unit::Ohm;
    Decimal numerator;
    std::int64_t denominator = 1;
};

constexpr Quantity ohms(Decimal value)
{
    return {Unit::Ohm, value, 1};
}

// The same amount in lowest terms, the numerator normalised: equal amounts
// reduce to equal members.
Quantity reduced(Quantity q);

// The amount as a decimal, where it is one: 2000/4 is 500 and 1/8 is 0.125,
// 2000/3 is none.
std::optional<Decimal> asDecimal(Quantity q);

// Exact order of two amounts of the same unit, not negative: negative, zero
// or positive as a is below, equal to or above b.
int compare(const Quantity &a, const Quantity &b);
bool operator==(const Quantity &a, const Quantity &b);

// The amount rounded half up to so many significant figures, for a person
// to read; the decimal itself when it has no more.
Decimal rounded(const Quantity &q, int significantFigures);

// "4700", "0.22", "2000/3": exact, with '.' and no unit, for data.
std::string exactText(const Quantity &q);

} // namespace Velmora
