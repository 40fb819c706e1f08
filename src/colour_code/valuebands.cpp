#include "valuebands.h"

#include "schemeregistry.h"

#include <algorithm>
#include <tuple>

namespace Velmora {

namespace {

// base with the rows for a digit string and a power of ten; nothing if a
// digit or the power is not in its list.
std::optional<Reading> spell(Reading base, std::string_view digits, int exponent)
{
    const BandScheme &scheme = bandScheme(base.scheme);
    std::size_t next = 0;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        int row = 0;
        switch (scheme.kind(band)) {
        case BandKind::Digit:
            row = rowOfValue(scheme, band, digits.at(next++) - '0');
            break;
        case BandKind::Multiplier:
            row = rowOfValue(scheme, band, exponent);
            break;
        default:
            continue;
        }
        if (row < 0)
            return std::nullopt;
        base.setRow(band, row);
    }
    return base;
}

// With leadingZeros, a spelling whose first digit is black counts too.
std::optional<Reading> digitRows(const Reading &base, Decimal value, bool leadingZeros = false)
{
    const int width = bandScheme(base.scheme).digitCount();
    value = normalised(value);
    if (value.significand <= 0)
        return std::nullopt;
    const std::string significand = std::to_string(value.significand);
    const int length = int(significand.size());
    // Every trailing zero the digit bands hold, so that the first is not
    // black; leading zeros would reach smaller values.
    const int fewestTrailing = leadingZeros ? 0 : std::max(0, width - length);
    for (int trailing = width - length; trailing >= fewestTrailing; --trailing) {
        const std::string digits = std::string(std::size_t(width - length - trailing), '0') + significand
            + std::string(std::size_t(trailing), '0');
        if (auto spelt = spell(base, digits, value.exponent - trailing))
            return spelt;
    }
    return std::nullopt;
}

// The range a scheme shows: its smallest and largest values above zero.
std::pair<Decimal, Decimal> range(const BandScheme &scheme)
{
    const auto multipliers = scheme.rows(scheme.bandOf(BandKind::Multiplier));
    const auto [low, high] = std::minmax_element(multipliers.begin(), multipliers.end(),
        [](const SchemeRow &a, const SchemeRow &b) { return a.value < b.value; });
    std::int64_t smallest = 1;
    std::int64_t largest = 9;
    for (int i = 1; i < scheme.digitCount(); ++i) {
        smallest *= 10;
        largest = largest * 10 + 9;
    }
    return {{smallest, low->value}, {largest, high->value}};
}

} // namespace

BandChoice bandsFor(const Reading &base, Decimal value)
{
    const BandScheme &scheme = bandScheme(base.scheme);
    BandChoice choice;
    choice.reading = base;
    choice.digits = significantDigits(value);
    choice.schemeDigits = scheme.digitCount();
    std::tie(choice.lowest, choice.highest) = range(scheme);
    if (value.significand <= 0) {
        choice.refusal = BandRefusal::Zero;
        return choice;
    }
    if (auto spelt = digitRows(base, value)) {
        choice.reading = *spelt;
        return choice;
    }

    choice.refusal = choice.digits > choice.schemeDigits ? BandRefusal::TooManyDigits
        : digitRows(base, value, true)                   ? BandRefusal::LeadingZero
                                                         : BandRefusal::OutOfRange;
    for (bool more : {true, false})
        for (const SchemeEntry &other : resistorSchemes())
            if (!choice.otherScheme && (other.scheme.bandCount > scheme.bandCount) == more && other.id != base.scheme
                && digitRows(Reading {other.id}, value))
                choice.otherScheme = other.id;
    return choice;
}

SeriesStanding seriesStanding(const Reading &base, Decimal value)
{
    SeriesStanding standing;
    standing.series = seriesOf(value);
    if (!standing.series.empty() || value.significand <= 0)
        return standing;
    standing.nearestFrom = seriesForTolerance(toleranceOf(base).value_or(500), bandScheme(base.scheme).digitCount());
    const auto spelt = [&](const std::optional<Decimal> &v) {
        return v && bandsFor(Reading {base.scheme}, *v).refusal == BandRefusal::None ? v : std::nullopt;
    };
    standing.below = spelt(nearestBelow(value, standing.nearestFrom));
    standing.above = spelt(nearestAbove(value, standing.nearestFrom));
    return standing;
}

} // namespace Velmora
