#include "identification.h"

namespace Velmora {

Identification identify(const Sighting &, std::size_t)
{
    return {};
}

bool standardFor(Resistance, int)
{
    return false;
}

} // namespace Velmora
