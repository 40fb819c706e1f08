#include "dividerfinder.h"

namespace Velmora {

std::vector<Divider> findDividers(const DividerQuery &)
{
    return {};
}

} // namespace Velmora
