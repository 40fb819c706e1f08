#include "bandlookup.h"

namespace Velmora {

int bandSize(int band)
{
    switch (band) {
    case 1:
    case 2:
        return int(DigitBand.size());
    case 3:
        return int(MultiplierBand.size());
    case 4:
        return int(ToleranceBand.size());
    default:
        return 0;
    }
}

std::optional<BandEntry> lookupBand(int band, int index)
{
    if (index < 0 || index >= bandSize(band))
        return std::nullopt;

    const auto i = static_cast<std::size_t>(index);
    BandEntry entry;
    switch (band) {
    case 1:
    case 2:
        entry.colour = colourRow(DigitBand[i].colour);
        entry.digit = DigitBand[i].digit;
        entry.digitText = DigitBand[i].digitText;
        break;
    case 3:
        entry.colour = colourRow(MultiplierBand[i].colour);
        entry.multiplier = MultiplierBand[i].multiplier;
        break;
    default:
        entry.colour = colourRow(ToleranceBand[i].colour);
        entry.tolerance = ToleranceBand[i].tolerance;
        break;
    }
    return entry;
}

std::vector<std::string_view> bandListTexts(int band)
{
    std::vector<std::string_view> texts;
    for (int i = 0; i < bandSize(band); ++i)
        texts.push_back(lookupBand(band, i)->colour.listText);
    return texts;
}

} // namespace Velmora
