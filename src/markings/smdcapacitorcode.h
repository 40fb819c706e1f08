#pragma once

#include <string_view>
#include <vector>

namespace Velmora {

struct CapacitorValue; // capacitorvalue.h

// The table a two-character SMD code is read from. The upper-case letters
// and most lower-case ones every table gives alike are Agreed; b, c, g and y
// differ from page to page, and the maker letter before a code is named by
// one page each.
enum class SmdCapacitorSource {
    Agreed,
    Marsport, // marsport.org.uk, "SMD Ceramic Capacitor Coding", gfaelectronics.com alike; K for Kemet
    NicComponents, // NIC Components' marking guide, as edaboard.co.uk's "EIA-198-D capacitance codes" quotes it
    Ok1rr, // ok1rr.com, "SMD Chip Capacitor Marking System": N for Novacap and S for Syfer before the code
};

// Reads "S3": a letter for the mantissa, case mattering, and a digit for the
// power of ten, 9 being 10^-1, in pF; or the same after a maker letter,
// "KA2". Every table's reading, Agreed first, then in SmdCapacitorSource's
// order; nothing where no table reads it.
std::vector<CapacitorValue> readSmdCapacitorCode(std::string_view text);

} // namespace Velmora
