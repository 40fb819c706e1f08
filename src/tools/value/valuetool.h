#pragma once

#include "toolentry.h"

namespace Velmora {

// "Da valore a colori…": follows the reading on show, and applies its bands there.
ToolEntry valueTool();

} // namespace Velmora
