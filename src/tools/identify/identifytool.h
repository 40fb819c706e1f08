#pragma once

#include "toolentry.h"

namespace Velmora {

// "Identifica resistore…": Applica shows the chosen reading in the window of
// its scheme.
ToolEntry identifyTool();

} // namespace Velmora
