#pragma once

#include "decimal.h"
#include "part.h"

#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

enum class DielectricClass {
    Compensating, // class 1: a coefficient in ppm/K and how far it may lie from it
    Stable, // class 2: a temperature range and how far the capacitance moves over it
};

// The table a class 1 multiplier digit was read from: the pages agree on
// 0 to 3 and 6 to 8 and differ on 4; 5 and 9 are in the long table alone.
enum class DielectricSource {
    Agreed,
    ShortTable, // 4 is × +1 (3bmdesign.com, sharps.lv, element14's forum quoting Wikipedia)
    LongTable, // 4 is × −10000, 5 × +1, 9 × +10000 (no public page found prints it)
};

struct Dielectric {
    DielectricClass kind = DielectricClass::Compensating;
    Decimal coefficient; // ppm/K, negative below zero
    std::optional<int> coefficientTolerance; // ppm/K either side; none for an industry name, which says none
    int lowestCelsius = 0;
    int highestCelsius = 0;
    Tolerance change; // hundredths of a percent over the range
    DielectricSource source = DielectricSource::Agreed;
};

// Every reading of an EIA dielectric code: "C0G", "U2J", "X7R", "Z5U";
// "NP0" is C0G's other name, and "NPO" and "COG", with the letter O for the
// zero, are read as it too. The industry names of class 1, N or P and the
// coefficient ("N750" for U2J's −750 ppm/K, "P100", "P0"), read as a class 1
// coefficient without a tolerance. Upper case only; nothing for any other
// text.
std::vector<Dielectric> readDielectric(std::string_view code);

} // namespace Velmora
