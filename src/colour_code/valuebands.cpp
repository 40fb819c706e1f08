#include "valuebands.h"

#include <algorithm>
#include <tuple>

namespace Velmora {

namespace {

int rowOf(std::span<const SchemeRow> list, int value)
{
    const auto it = std::find_if(list.begin(), list.end(), [value](const SchemeRow &r) { return r.value == value; });
    return it == list.end() ? -1 : int(it - list.begin());
}

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
            row = rowOf(scheme.rows(band), digits.at(next++) - '0');
            break;
        case BandKind::Multiplier:
            row = rowOf(scheme.rows(band), exponent);
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

std::optional<Reading> digitRows(const Reading &base, Resistance value)
{
    const int width = bandScheme(base.scheme).digitCount();
    value = normalised(value);
    if (value.significand <= 0)
        return std::nullopt;
    const std::string significand = std::to_string(value.significand);
    const int length = int(significand.size());
    // As many trailing zeros as fit first, so that the first digit is not
    // black; leading zeros reach the small values.
    for (int trailing = width - length; trailing >= 0; --trailing) {
        const std::string digits = std::string(std::size_t(width - length - trailing), '0') + significand
            + std::string(std::size_t(trailing), '0');
        if (auto spelt = spell(base, digits, value.exponent - trailing))
            return spelt;
    }
    return std::nullopt;
}

// The range a scheme shows: its smallest and largest values above zero.
std::pair<Resistance, Resistance> range(const BandScheme &scheme)
{
    const auto multipliers = scheme.rows(scheme.bandOf(BandKind::Multiplier));
    const auto [low, high] = std::minmax_element(multipliers.begin(), multipliers.end(),
        [](const SchemeRow &a, const SchemeRow &b) { return a.value < b.value; });
    std::int64_t largest = 0;
    for (int i = 0; i < scheme.digitCount(); ++i)
        largest = largest * 10 + 9;
    return {{1, low->value}, {largest, high->value}};
}

} // namespace

BandChoice bandsFor(const Reading &base, Resistance value)
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

    choice.refusal = choice.digits > choice.schemeDigits ? BandRefusal::TooManyDigits : BandRefusal::OutOfRange;
    for (SchemeId id : AllSchemes) {
        if (bandScheme(id).bandCount > scheme.bandCount && digitRows(Reading {id}, value)) {
            choice.moreBands = id;
            break;
        }
    }
    return choice;
}

SeriesStanding seriesStanding(const Reading &base, Resistance value)
{
    SeriesStanding standing;
    standing.series = seriesOf(value);
    if (!standing.series.empty() || value.significand <= 0)
        return standing;
    standing.nearestFrom = seriesForTolerance(toleranceOf(base).value_or(500), bandScheme(base.scheme).digitCount());
    const auto spelt = [&](const std::optional<Resistance> &v) {
        return v && bandsFor(Reading {base.scheme}, *v).refusal == BandRefusal::None ? v : std::nullopt;
    };
    standing.below = spelt(nearestBelow(value, standing.nearestFrom));
    standing.above = spelt(nearestAbove(value, standing.nearestFrom));
    return standing;
}

} // namespace Velmora
