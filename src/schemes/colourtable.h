#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Velmora {

// 0x00BBGGRR for an ordinary colour; 0x80000000 + n for system colour n.
using ColourRef = std::uint32_t;

constexpr ColourRef SystemColourFlag = 0x80000000u;
constexpr ColourRef ButtonFace = SystemColourFlag | 15u;

constexpr bool isSystemColour(ColourRef c)
{
    return (c & SystemColourFlag) != 0;
}
constexpr int redOf(ColourRef c)
{
    return int(c & 0xFFu);
}
constexpr int greenOf(ColourRef c)
{
    return int((c >> 8) & 0xFFu);
}
constexpr int blueOf(ColourRef c)
{
    return int((c >> 16) & 0xFFu);
}

enum class Colour { Black, Brown, Red, Orange, Yellow, Green, LightBlue, Violet, Grey, White, Gold, Silver, Pink };

struct ColourRow {
    std::string_view listText;
    std::string_view displayName;
    ColourRef display;
};

// Indexed by Colour.
constexpr std::array<ColourRow, 12> ColourCode {{
    {"nero", "NERO", 0x000000}, {"marrone", "MARRONE", 0x004080}, {"rosso", "ROSSO", 0x0000FF},
    {"arancio", "ARANCIO", 0x0080FF}, {"giallo", "GIALLO", 0x00FFFF}, {"verde", "VERDE", 0x00C000},
    {"azzurro", "AZZURRO", 0xFFFF00}, // pure cyan, not a dark blue
    {"viola", "VIOLA", 0xFF00FF}, {"grigio", "GRIGIO", 0x808080}, {"bianco", "BIANCO", 0xFFFFFF},
    {"oro", "ORO", 0x00C0C0}, // olive stands for gold
    {"argento", "ARGENTO", 0xE0E0E0}, // light grey stands for silver
}};

// Colours only the five- and six-band code uses, after the twelve above.
constexpr std::array<ColourRow, 1> MoreColours {{
    {"rosa", "ROSA", 0xCBC0FF}, // pink (255, 192, 203), the 10^-3 multiplier
}};

constexpr const ColourRow &colourRow(Colour c)
{
    const auto i = static_cast<std::size_t>(c);
    return i < ColourCode.size() ? ColourCode[i] : MoreColours[i - ColourCode.size()];
}

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
