#include "labelvalues.h"

#include <algorithm>

namespace Velmora {

std::vector<Decimal> labelValues(std::vector<Decimal> values, bool repeat)
{
    const auto below = [](Decimal a, Decimal b) { return compare(a, b) < 0; };
    std::stable_sort(values.begin(), values.end(), below);
    if (!repeat)
        values.erase(std::unique(values.begin(), values.end(), sameValue), values.end());
    return values;
}

std::vector<Decimal> seriesLabels(ESeries series, Decimal low, Decimal high)
{
    Drawer members;
    members.addSeries(series, low, high);
    return drawerLabels(members, false);
}

std::vector<Decimal> drawerLabels(const Drawer &drawer, bool perPart)
{
    std::vector<Decimal> values;
    for (const DrawerLine &line : drawer.lines()) {
        // Stops at the bound: what lies past it is refused anyway.
        const std::size_t times = perPart ? std::size_t(line.count) : 1;
        for (std::size_t i = 0; i < times && values.size() <= MostLabels; ++i)
            values.push_back(line.value);
    }
    return values;
}

} // namespace Velmora
