#include "eseries.h"

#include "eseriestables.h"

#include <algorithm>
#include <string>

namespace Velmora {

namespace {

int digitCount(std::int64_t n)
{
    return int(std::to_string(n).size());
}

// The series' members in the decade below the value's, its own and the one
// above, in ascending order.
std::vector<Decimal> membersAround(Decimal r, ESeries series)
{
    const std::span<const int> values = seriesValues(series);
    const int width = digitCount(values.front());
    r = normalised(r);
    const int decade = digitCount(r.significand) + r.exponent - width;
    std::vector<Decimal> members;
    for (int exponent = decade - 1; exponent <= decade + 1; ++exponent)
        for (int v : values)
            members.push_back({v, exponent});
    return members;
}

} // namespace

std::string_view seriesName(ESeries series)
{
    constexpr std::array<std::string_view, 7> names {"E3", "E6", "E12", "E24", "E48", "E96", "E192"};
    return names[std::size_t(series)];
}

std::span<const int> seriesValues(ESeries series)
{
    switch (series) {
    case ESeries::E3:
        return E3Values;
    case ESeries::E6:
        return E6Values;
    case ESeries::E12:
        return E12Values;
    case ESeries::E24:
        return E24Values;
    case ESeries::E48:
        return E48Values;
    case ESeries::E96:
        return E96Values;
    case ESeries::E192:
        break;
    }
    return E192Values;
}

std::vector<ESeries> seriesOf(Decimal r)
{
    std::vector<ESeries> found;
    const std::int64_t significand = normalised(r).significand;
    if (significand <= 0)
        return found;
    for (ESeries series : AllSeries) {
        const auto values = seriesValues(series);
        if (std::any_of(values.begin(), values.end(), [significand](int v) {
                return normalised({v, 0}).significand == significand;
            }))
            found.push_back(series);
    }
    return found;
}

ESeries seriesForTolerance(int hundredthsOfPercent, int maxDigits)
{
    ESeries series = ESeries::E192;
    if (hundredthsOfPercent >= 2000)
        series = ESeries::E6;
    else if (hundredthsOfPercent >= 1000)
        series = ESeries::E12;
    else if (hundredthsOfPercent >= 500)
        series = ESeries::E24;
    else if (hundredthsOfPercent >= 200)
        series = ESeries::E48;
    else if (hundredthsOfPercent >= 100)
        series = ESeries::E96;
    if (maxDigits < 3 && series > ESeries::E24)
        series = ESeries::E24;
    return series;
}

std::optional<Decimal> nearestBelow(Decimal r, ESeries series)
{
    if (r.significand <= 0)
        return std::nullopt;
    const auto members = membersAround(r, series);
    for (auto it = members.rbegin(); it != members.rend(); ++it)
        if (compare(*it, r) < 0)
            return normalised(*it);
    return std::nullopt;
}

std::optional<Decimal> nearestAbove(Decimal r, ESeries series)
{
    if (r.significand <= 0)
        return std::nullopt;
    for (const Decimal &m : membersAround(r, series))
        if (compare(m, r) > 0)
            return normalised(m);
    return std::nullopt;
}

} // namespace Velmora
