#pragma once

#include "bandscheme.h"

// The colour code of IEC 60062:2016 (clause 3, the colour code for fixed
// resistors) as Velmora lists it. Every list follows the colour code's own
// order, nero to bianco and then oro, argento, rosa, so that a person finds
// a colour in the same place in every list.
namespace Velmora::SchemeTables {

// The power of ten a multiplier of the four-band table stands for; 0.1 and
// 0.01 are the nearest doubles, which ten times ten brings back to exactly 1.
constexpr int powerOfTen(double multiplier)
{
    int power = 0;
    for (; multiplier >= 10.0; multiplier /= 10.0)
        ++power;
    for (; multiplier < 1.0; multiplier *= 10.0)
        --power;
    return power;
}

// The digits, read from the four-band window's table so that the two never
// disagree.
constexpr auto Digits = [] {
    std::array<SchemeRow, DigitBand.size()> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {DigitBand[i].colour, DigitBand[i].digit};
    return rows;
}();

// Every multiplier the standard gives: 10^0 to 10^9, 10^-1, 10^-2 and, since
// the 2016 edition, pink for 10^-3.
constexpr std::array<SchemeRow, 13> Multipliers {{
    {Colour::Black, 0},
    {Colour::Brown, 1},
    {Colour::Red, 2},
    {Colour::Orange, 3},
    {Colour::Yellow, 4},
    {Colour::Green, 5},
    {Colour::LightBlue, 6},
    {Colour::Violet, 7},
    {Colour::Grey, 8},
    {Colour::White, 9},
    {Colour::Gold, -1},
    {Colour::Silver, -2},
    {Colour::Pink, -3},
}};

// Every tolerance colour the standard gives; black, white and pink have none.
constexpr std::array<SchemeRow, 10> Tolerances {{
    {Colour::Brown, 100},
    {Colour::Red, 200},
    {Colour::Orange, 5},
    {Colour::Yellow, 2},
    {Colour::Green, 50},
    {Colour::LightBlue, 25},
    {Colour::Violet, 10},
    {Colour::Grey, 5},
    {Colour::Gold, 500},
    {Colour::Silver, 1000},
}};

// Temperature coefficients in ppm/K; white, gold, silver and pink have none.
constexpr std::array<SchemeRow, 9> TempCoefficients {{
    {Colour::Black, 250},
    {Colour::Brown, 100},
    {Colour::Red, 50},
    {Colour::Orange, 15},
    {Colour::Yellow, 25},
    {Colour::Green, 20},
    {Colour::LightBlue, 10},
    {Colour::Violet, 5},
    {Colour::Grey, 1},
}};

using K = BandKind;

} // namespace Velmora::SchemeTables
