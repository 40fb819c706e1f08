#pragma once

#include "toolentry.h"

namespace Velmora {

// "Codice SMD…": needs nothing of the window.
ToolEntry smdTool();

} // namespace Velmora
