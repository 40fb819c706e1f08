#pragma once

#include "decimal.h"
#include "drawer.h"
#include "eseries.h"

#include <vector>

namespace Velmora {

// The most labels one print makes: some 300 sheets, far more than any
// drawer needs, and a bound on the work a typing slip can ask for.
inline constexpr std::size_t MostLabels = 10000;

// The values to label, ascending. A value typed twice, however written
// (4k7 and 4700), is labelled once unless `repeat`.
std::vector<Decimal> labelValues(std::vector<Decimal> values, bool repeat);
// Every member of a series from low to high, both included.
std::vector<Decimal> seriesLabels(ESeries series, Decimal low, Decimal high);
// Every value in a drawer, once, or once for each part in it.
std::vector<Decimal> drawerLabels(const Drawer &drawer, bool perPart);

} // namespace Velmora
