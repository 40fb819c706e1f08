#pragma once

#include "toolentry.h"

namespace Velmora {

// "Leggi marcatura…": needs nothing of the window.
ToolEntry markingTool();

} // namespace Velmora
