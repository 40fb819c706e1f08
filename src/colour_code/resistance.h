#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Velmora {

// A resistance kept exactly, as the colour code and the E series write it:
// significand × 10^exponent ohms. Never a binary float, so 4.7 kΩ stays 47 × 10^2
// and 0.22 Ω stays 22 × 10^-2.
struct Resistance {
    std::int64_t significand = 0;
    int exponent = 0;
};

// The same value with the significand's trailing zeros moved into the
// exponent; zero is 0 × 10^0. Equal values normalise to equal pairs.
constexpr Resistance normalised(Resistance r)
{
    if (r.significand == 0)
        return {};
    while (r.significand % 10 == 0) {
        r.significand /= 10;
        ++r.exponent;
    }
    return r;
}

constexpr bool sameValue(Resistance a, Resistance b)
{
    const Resistance x = normalised(a);
    const Resistance y = normalised(b);
    return x.significand == y.significand && x.exponent == y.exponent;
}

// Exact order of two non-negative values: negative, zero or positive as a
// is below, equal to or above b.
int compare(Resistance a, Resistance b);
// The same for a × factor against b, exactly whatever a's digits: a
// tolerance or an accuracy applied to a value as typed, with 18 digits.
// factor is positive and at most a million.
int compareScaled(Resistance a, std::int64_t factor, Resistance b);

// Digits of the normalised significand: 4700 has 2, 0.22 has 2, 0 has 1.
int significantDigits(Resistance r);

// Plain ohms, as the window shows a value: decimal notation, never an
// exponent, no grouping, no trailing zeros or separator.
std::string plainText(Resistance r, std::string_view decimalPoint);

} // namespace Velmora
