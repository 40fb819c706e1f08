#pragma once

#include "decimal.h"
#include "eseries.h"

#include <limits>
#include <vector>

namespace Velmora {

// One value a network may use, how many of it there are, and its tolerance
// in hundredths of a percent, which the network's limits come from.
struct Stock {
    static constexpr int Unlimited = std::numeric_limits<int>::max();

    Decimal value;
    int count = Unlimited;
    int tolerance = 500;
};

// The parts a search may take: positive values, each listed once.
using PartSource = std::vector<Stock>;

// The tolerance a series is made for, in hundredths of a percent: E6 20 %,
// E12 10 %, E24 5 %, E48 2 %, E96 1 %, E192 0,5 % (it serves 0,25 % and
// 0,1 % too). E3's three steps leave gaps of about 40 %, and parts sold
// in it are wider than 20 %: 40 % here.
int usualTolerance(ESeries series);

// Every value of the series from lowest to highest, both included, as many
// of each as a network wants, at the given tolerance.
PartSource seriesParts(ESeries series, Decimal lowest, Decimal highest, int tolerance);

// The source without a value (however it was written: 4k7 and 4700 are one).
void excludeValue(PartSource &source, Decimal value);

} // namespace Velmora
