#include "combinationfinder.h"

namespace Velmora {

std::vector<Combination> findCombinations(const CombinationQuery &)
{
    return {};
}

} // namespace Velmora
