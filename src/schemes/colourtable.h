#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Velmora {

// What a band is; how each colour looks and is named is for the painting
// (colourcode.h in rendering), not for the code.
enum class Colour { Black, Brown, Red, Orange, Yellow, Green, LightBlue, Violet, Grey, White, Gold, Silver, Pink };

struct DigitRow {
    Colour colour;
    std::int16_t digit;
    std::string_view digitText;
};

// Bands 1 and 2 share one table.
constexpr std::array<DigitRow, 10> DigitBand {{
    {Colour::Black, 0, "0"},
    {Colour::Brown, 1, "1"},
    {Colour::Red, 2, "2"},
    {Colour::Orange, 3, "3"},
    {Colour::Yellow, 4, "4"},
    {Colour::Green, 5, "5"},
    {Colour::LightBlue, 6, "6"},
    {Colour::Violet, 7, "7"},
    {Colour::Grey, 8, "8"},
    {Colour::White, 9, "9"},
}};

struct MultiplierRow {
    Colour colour;
    double multiplier;
};

// Violet, grey and white are not offered as multipliers.
constexpr std::array<MultiplierRow, 9> MultiplierBand {{
    {Colour::Black, 1.0},
    {Colour::Brown, 10.0},
    {Colour::Red, 100.0},
    {Colour::Orange, 1000.0},
    {Colour::Yellow, 10000.0},
    {Colour::Green, 100000.0},
    {Colour::LightBlue, 1000000.0},
    {Colour::Gold, 0.1},
    {Colour::Silver, 0.01},
}};

struct ToleranceRow {
    Colour colour;
    std::string_view tolerance; // shown as it stands, never parsed
};

constexpr std::array<ToleranceRow, 3> ToleranceBand {{
    {Colour::Gold, "5%"},
    {Colour::Red, "2%"},
    {Colour::Brown, "1%"},
}};

} // namespace Velmora
