#include "partsource.h"

#include <algorithm>

namespace Velmora {

int usualTolerance(ESeries series)
{
    constexpr std::array<int, 7> tolerances {4000, 2000, 1000, 500, 200, 100, 50};
    return tolerances[std::size_t(series)];
}

PartSource seriesParts(ESeries series, Decimal lowest, Decimal highest, int tolerance)
{
    PartSource parts;
    const std::span<const int> values = seriesValues(series);
    const int width = values.front() >= 100 ? 3 : 2;
    // From the decade of lowest up to the decade of highest.
    const Decimal low = normalised(lowest);
    const Decimal high = normalised(highest);
    if (low.significand <= 0 || compare(low, high) > 0)
        return parts;
    const int first = int(std::to_string(low.significand).size()) + low.exponent - width - 1;
    const int last = int(std::to_string(high.significand).size()) + high.exponent - width + 1;
    for (int exponent = first; exponent <= last; ++exponent)
        for (int v : values) {
            const Decimal value = normalised({v, exponent});
            if (compare(value, low) >= 0 && compare(value, high) <= 0)
                parts.push_back({value, Stock::Unlimited, tolerance});
        }
    return parts;
}

void excludeValue(PartSource &source, Decimal value)
{
    std::erase_if(source, [&](const Stock &s) { return sameValue(s.value, value); });
}

} // namespace Velmora
