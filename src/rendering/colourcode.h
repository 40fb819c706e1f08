#pragma once

#include "colourtable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class QColor;

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

// How a colour is listed, named under its band and painted.
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

// A colour by its Italian name, in any case; "blu" reads as azzurro.
std::optional<Colour> colourNamed(std::string_view name);

// An ordinary colour as Qt paints it. A system colour has none of its own:
// the palette says what it is.
QColor displayColor(ColourRef c);

} // namespace Velmora
