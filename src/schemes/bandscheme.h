#pragma once

#include "colourtable.h"
#include "decimal.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Velmora {

// What a band says, by its place on the part.
enum class BandKind { Digit, Multiplier, Tolerance, TempCoefficient };

// One entry of a band's list. What value means depends on the band's kind:
// the digit; the power of ten the digits are multiplied by; the tolerance in
// hundredths of a percent (500 is 5 %, 25 is 0.25 %); the temperature
// coefficient in ppm/K.
struct SchemeRow {
    Colour colour;
    int value;
};

// The ways of banding a part that Velmora reads: identities, not band
// counts, so that two schemes with as many bands stand side by side (the
// four-band window's short lists and the whole code on four bands). The
// registry (schemeregistry.h) lists them with their names and windows.
enum class SchemeId { FourBands, FiveBands, SixBands, ThreeBands, FourBandsFullCode, InductorFourBands };

// A way of banding a resistor: three to six bands, each of one kind and
// with its own list of colours.
struct BandScheme {
    SchemeId id;
    int bandCount;
    std::array<BandKind, 6> kinds; // the first bandCount are used
    std::array<std::span<const SchemeRow>, 6> lists;
    // The part a parts list means when it names no tolerance or coefficient:
    // 5 % carbon film in four bands, 1 % metal film in five and six, with
    // 100 ppm/K.
    Colour usualTolerance;
    Colour usualCoefficient;
    // The tolerance a scheme without a tolerance band stands for, in
    // hundredths of a percent: three bands are ± 20 %.
    std::optional<int> impliedTolerance {};
    // The power of ten of the part's unit that the lists' values are in:
    // ohms for resistors, microhenries (-6) for inductors.
    int unitPower = 0;

    BandKind kind(int band) const { return kinds.at(std::size_t(band - 1)); }
    std::span<const SchemeRow> rows(int band) const { return lists.at(std::size_t(band - 1)); }
    int digitCount() const;
    // The band of a kind, 0 when the scheme has none.
    int bandOf(BandKind kind) const;
};

// Its tables, from the registry.
const BandScheme &bandScheme(SchemeId id);

// Whether a colour on a band is a leading zero, which no resistor carries:
// the digit bands hold the value's significant figures from the first one,
// and a zero before it is none (IEC 60062 writes 10 Ω as marrone nero nero,
// never nero marrone marrone). The four-band window still reads one as it is
// chosen; reading a part, writing a value and identifying one never do.
constexpr bool isLeadingZero(int band, Colour colour)
{
    return band == 1 && colour == Colour::Black;
}

// The row of a band's list that shows a colour, -1 where it has none.
int rowOfColour(const BandScheme &scheme, int band, Colour colour);
// The first row of a band's list that says a value (a digit, a power of ten,
// a tolerance, a coefficient), -1 where it has none.
int rowOfValue(const BandScheme &scheme, int band, int value);

// The tolerance band's rows from the finest tolerance to the coarsest; rows
// of the same tolerance (orange and grey) in list order. Empty without one.
std::vector<int> tolerancesFinestFirst(const BandScheme &scheme);

// "5%", "0,25%": plain percent with the given decimal separator.
std::string toleranceText(int hundredthsOfPercent, std::string_view decimalPoint);

} // namespace Velmora
