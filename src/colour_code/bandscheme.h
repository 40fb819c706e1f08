#pragma once

#include "colourtable.h"
#include "resistance.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Velmora {

// What a band says, by its place on the resistor.
enum class BandKind { Digit, Multiplier, Tolerance, TempCoefficient };

// One entry of a band's list. What value means depends on the band's kind:
// the digit; the power of ten the digits are multiplied by; the tolerance in
// hundredths of a percent (500 is 5 %, 25 is 0.25 %); the temperature
// coefficient in ppm/K.
struct SchemeRow {
    Colour colour;
    int value;
};

// A way of banding a resistor: four, five or six bands, each of one kind
// and with its own list of colours.
struct BandScheme {
    int bandCount;
    std::array<BandKind, 6> kinds; // the first bandCount are used
    std::array<std::span<const SchemeRow>, 6> lists;

    BandKind kind(int band) const { return kinds.at(std::size_t(band - 1)); }
    std::span<const SchemeRow> rows(int band) const { return lists.at(std::size_t(band - 1)); }
    int digitCount() const { return bandCount == 4 ? 2 : 3; }
    // The band of a kind, 0 when the scheme has none.
    int bandOf(BandKind kind) const;
};

// The schemes for 4, 5 and 6 bands; any other count gives the four-band one.
const BandScheme &bandScheme(int bandCount);

// The resistance the chosen rows (0-based, one per band) spell; nothing
// while a digit or the multiplier is unchosen or out of its list.
std::optional<Resistance> resistanceOf(const BandScheme &scheme, std::span<const int> rows);

// "5%", "0,25%": plain percent with the given decimal separator.
std::string toleranceText(int hundredthsOfPercent, std::string_view decimalPoint);

} // namespace Velmora
