#include "schemeregistry.h"

#include "five_bands/fivebands.h"
#include "four_bands/fourbands.h"
#include "four_bands_full/fourbandsfull.h"
#include "inductor_four_bands/inductorfourbands.h"
#include "six_bands/sixbands.h"
#include "three_bands/threebands.h"

#include <algorithm>
#include <array>

namespace Velmora {

namespace {

namespace T = SchemeTables;
using PartKind::Inductor;
using PartKind::Resistor;

// One line per scheme; a new one is its folder and a line here.
const std::array Registry {
    SchemeEntry {SchemeId::ThreeBands, Resistor, "3 bande", "&3 bande", 3, true, T::ThreeBands, Layout::ThreeBands},
    SchemeEntry {SchemeId::FourBands, Resistor, "4 bande", "&4 bande", 4, false, T::FourBands, Layout::FourBands},
    SchemeEntry {SchemeId::FourBandsFullCode, Resistor, "4 bande, codice completo", "4 bande, codice &completo", 0,
        true, T::FourBandsFullCode, Layout::FourBandsFullCode},
    SchemeEntry {SchemeId::FiveBands, Resistor, "5 bande", "&5 bande", 5, true, T::FiveBands, Layout::FiveBands},
    SchemeEntry {SchemeId::SixBands, Resistor, "6 bande", "&6 bande", 6, true, T::SixBands, Layout::SixBands},
    SchemeEntry {SchemeId::InductorFourBands, Inductor, "induttore, 4 bande", "&Induttore, 4 bande", 0, false,
        T::InductorFourBands, Layout::InductorFourBands},
};

} // namespace

std::span<const SchemeEntry> schemeRegistry()
{
    return Registry;
}

std::size_t schemeIndex(SchemeId id)
{
    const auto it = std::find_if(Registry.begin(), Registry.end(), [id](const SchemeEntry &e) { return e.id == id; });
    return it == Registry.end() ? schemeIndex(SchemeId::FourBands) : std::size_t(it - Registry.begin());
}

const SchemeEntry &schemeEntry(SchemeId id)
{
    return Registry.at(schemeIndex(id));
}

const BandScheme &bandScheme(SchemeId id)
{
    return schemeEntry(id).scheme;
}

bool marksResistors(SchemeId id)
{
    return schemeEntry(id).component == PartKind::Resistor;
}

std::optional<SchemeId> firstWithBands(int bandCount)
{
    for (const SchemeEntry &e : resistorSchemes())
        if (e.scheme.bandCount == bandCount)
            return e.id;
    return std::nullopt;
}

std::optional<SchemeId> wholeCodeFor(int bandCount)
{
    for (const SchemeEntry &e : resistorSchemes())
        if (e.wholeCode && e.scheme.bandCount == bandCount)
            return e.id;
    return std::nullopt;
}

const Layout::FormLayout &Layout::layoutOf(SchemeId scheme)
{
    return schemeEntry(scheme).layout;
}

} // namespace Velmora
