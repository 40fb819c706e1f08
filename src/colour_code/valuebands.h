#pragma once

#include "bandscheme.h"

#include <string>
#include <string_view>
#include <vector>

namespace Velmora {

struct BandChoice {
    std::vector<int> rows; // one 0-based row per band; empty when the scheme cannot show the value
    std::string message; // why not, in Italian (UTF-8)
    int moreBands = 0; // a scheme with more bands that shows the value, or 0
};

// The rows that spell a value in a scheme, beside the given tolerance and
// temperature coefficient rows (the latter ignored without such a band).
// Where one value has several spellings the first digit is not black if it
// can be (1000 is marrone nero rosso in four bands, not nero marrone
// arancio). Refused when the value has more significant digits than the
// scheme's digit bands, or needs a multiplier the scheme lacks; decimalPoint
// is for the message.
BandChoice bandsFor(
    const BandScheme &scheme, Resistance value, int toleranceRow, int coefficientRow, std::string_view decimalPoint);

} // namespace Velmora
