#pragma once

#include "toolentry.h"

#include <vector>

namespace Velmora {

// Every tool, in the Strumenti menu's order.
const std::vector<ToolEntry> &registeredTools();

} // namespace Velmora
