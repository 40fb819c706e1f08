#pragma once

#include <array>

namespace Velmora {

// What a label can carry besides its letter code, in the order they give
// way when a label is too small for all of them at the smallest type: the
// colours' names first, the four-band colours last. The letter code never
// gives way; it shrinks to fit however small the label.
enum class LabelLine { ColourNames, Smd, FiveBands, Tolerance, Value, FourBands };
inline constexpr std::array DropOrder {LabelLine::ColourNames, LabelLine::Smd, LabelLine::FiveBands,
    LabelLine::Tolerance, LabelLine::Value, LabelLine::FourBands};

// What the person chose to put on every label; the defaults suit a bag of
// resistors.
struct LabelContent {
    bool code = true; // 4K7
    bool value = true; // 4,7 kΩ
    bool tolerance = true; // ± 5%
    bool fourBands = true;
    bool fiveBands = true;
    bool colourNames = true; // beside each drawing, in the bands' order
    bool smd = true; // 472 4701, and the EIA-96 code where the value has one
    int toleranceHundredths = 500; // the bags' tolerance, painted on the bands too

    bool shows(LabelLine line) const
    {
        switch (line) {
        case LabelLine::ColourNames:
            return colourNames && (fourBands || fiveBands);
        case LabelLine::Smd:
            return smd;
        case LabelLine::FiveBands:
            return fiveBands;
        case LabelLine::Tolerance:
            return tolerance;
        case LabelLine::Value:
            return value;
        case LabelLine::FourBands:
            return fourBands;
        }
        return false;
    }
    bool operator==(const LabelContent &) const = default;
};

} // namespace Velmora
