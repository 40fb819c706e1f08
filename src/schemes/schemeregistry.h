#pragma once

#include "bandscheme.h"
#include "formlayout.h"
#include "part.h"

#include <ranges>
#include <span>
#include <string_view>

namespace Velmora {

// A way of marking a part with colour bands, as the program knows it: its
// identity, the part it marks, its name, its tables and its window.
struct SchemeEntry {
    SchemeId id;
    PartKind component;
    std::string_view name; // "4 bande, codice completo": as sentences name it
    std::string_view menuLabel; // with its mnemonic
    int shortcutDigit; // Ctrl+digit opens its window; 0 for none
    // Its lists hold every colour the standard gives their bands: the scheme
    // a part with that many bands is identified in.
    bool wholeCode;
    const BandScheme &scheme;
    const Layout::FormLayout &layout;
};

// Every scheme, in the order of the Bande menu. Where two have the same
// number of bands, the first is the one colours are read in when its lists
// hold them.
std::span<const SchemeEntry> schemeRegistry();
const SchemeEntry &schemeEntry(SchemeId id);
// Its place in the registry, for tables kept per scheme.
std::size_t schemeIndex(SchemeId id);

// Whether a scheme marks resistors. Reading colours, writing a value,
// identifying a part, the tools and the terminal's resistor commands know
// no other: an inductor's bands are read in its own window.
bool marksResistors(SchemeId id);
// The resistor schemes, in the registry's order.
inline auto resistorSchemes()
{
    return schemeRegistry()
        | std::views::filter([](const SchemeEntry &e) { return e.component == PartKind::Resistor; });
}

// The first resistor scheme with that many bands: the one a value is
// written in when only a band count is asked for.
std::optional<SchemeId> firstWithBands(int bandCount);
// The resistor scheme a part with that many bands is identified in; nothing
// where none has that many.
std::optional<SchemeId> wholeCodeFor(int bandCount);

namespace Layout {
const FormLayout &layoutOf(SchemeId scheme);
}

} // namespace Velmora
