#pragma once

#include "decimal.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace Velmora {

// The IEC 60063 series, coarsest first.
enum class ESeries { E3, E6, E12, E24, E48, E96, E192 };

inline constexpr std::array AllSeries {
    ESeries::E3, ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96, ESeries::E192};

std::string_view seriesName(ESeries series);

// One decade of the series as significands (47 for 4.7, 470, 4700 ...).
std::span<const int> seriesValues(ESeries series);

// Every series the value belongs to, coarsest first; none for zero.
std::vector<ESeries> seriesOf(Decimal r);

// The series whose steps suit a tolerance in hundredths of a percent: E6 for
// 20 %, E12 for 10 %, E24 for 5 %, E48 for 2 %, E96 for 1 %, E192 below.
// With maxDigits 2 it goes no finer than E24, whose values two digit bands
// can show.
ESeries seriesForTolerance(int hundredthsOfPercent, int maxDigits = 3);

// The series' nearest values strictly below and above a positive value.
std::optional<Decimal> nearestBelow(Decimal r, ESeries series);
std::optional<Decimal> nearestAbove(Decimal r, ESeries series);

} // namespace Velmora
