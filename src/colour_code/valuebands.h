#pragma once

#include "reading.h"

#include <optional>

namespace Velmora {

// Why a scheme's bands cannot spell a value.
enum class BandRefusal {
    None,
    Zero, // a 0 Ω jumper carries one black band, which no band scheme here has
    TooManyDigits, // more significant digits than the scheme's digit bands
    OutOfRange, // a multiplier the scheme lacks
    LeadingZero, // spelt only with a black first band, which no part carries
};

struct BandChoice {
    Reading reading; // the bands that spell the value, when not refused
    BandRefusal refusal = BandRefusal::None;
    int digits = 0; // the value's significant digits
    int schemeDigits = 0; // the scheme's digit bands
    Decimal lowest, highest; // the scheme's range above zero
    // Another scheme that spells the value: with more bands if one does,
    // else with fewer.
    std::optional<SchemeId> otherScheme;
};

// The reading that spells a value in base's scheme: base with its digit and
// multiplier bands replaced, every other band (tolerance, coefficient) left
// as base has it. The first digit is never black (isLeadingZero): 1000 is
// marrone nero rosso in four bands, and 0,01 Ω, nero marrone argento to the
// letter, is refused as LeadingZero.
BandChoice bandsFor(const Reading &base, Decimal value);

// Where a value stands among the E series: the series it is in or, in none,
// the nearest values below and above in the series that suits base's
// tolerance (5 % when it has none), each only where base's scheme spells it.
struct SeriesStanding {
    std::vector<ESeries> series;
    ESeries nearestFrom = ESeries::E24;
    std::optional<Decimal> below, above;
};
SeriesStanding seriesStanding(const Reading &base, Decimal value);

} // namespace Velmora
