#pragma once

#include "colourtable.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace Velmora {

constexpr int BandCount = 4;

// One entry of one band: the colour and what it means there. Only the fields
// of the band's own meaning are set (digit for 1-2, multiplier for 3,
// tolerance for 4).
struct BandEntry {
    ColourRow colour;
    std::int16_t digit = 0;
    std::string_view digitText;
    double multiplier = 0.0;
    std::string_view tolerance;
};

// Number of entries in a band's list; 0 for a band that does not exist.
int bandSize(int band);

// The entry at a zero-based list index; nothing for a band or index out of
// range, including -1 (no selection).
std::optional<BandEntry> lookupBand(int band, int index);

// The band's list texts in list order.
std::vector<std::string_view> bandListTexts(int band);

} // namespace Velmora
