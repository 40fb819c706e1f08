#pragma once

#include "colourtable.h"
#include "decimal.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace Velmora {

// The table a band reading comes from. The pages agree on the common
// colours and each gives some the other lacks, so a reading one page alone
// gives names it.
enum class InductorBandSource {
    Agreed,
    LearnAbout, // learnabout-electronics.org, "Inductor Colour Codes" (EIA and military tables)
    RzGuodou, // rzguodou.com (an inductor maker), "colour ring inductor" colour list
};

enum class InductorBandFormat {
    FourBands, // two digits, a multiplier, a tolerance
    ThreeBands, // the same without the tolerance band: ± 20 %
    Military, // a wide silver band, three digits with gold as the decimal point, a tolerance
};

struct InductorBandValue {
    Decimal henries;
    int tolerance = 0; // hundredths of a percent either side
    InductorBandFormat format = InductorBandFormat::FourBands;
    InductorBandSource source = InductorBandSource::Agreed;
};

// Why bands are not read; badBand says which, counted from 0.
enum class InductorBandError {
    None,
    Count, // not three, four or five bands
    NotMilitary, // five bands whose first is not silver
    NotADigit,
    NotAMultiplier, // no table gives this colour as a multiplier
    NotATolerance,
    DecimalPoint, // the military form's gold where no decimal point can go
    Zero, // no inductor is none
};

struct InductorBandReading {
    std::vector<InductorBandValue> readings; // Agreed, or each source's own
    InductorBandError error = InductorBandError::None;
    std::size_t badBand = 0;
};

// Reads an inductor's bands, first band first, the value in microhenries
// as the tables give it.
InductorBandReading readInductorBands(std::span<const Colour> bands);

} // namespace Velmora
