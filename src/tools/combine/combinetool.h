#pragma once

#include "toolentry.h"

namespace Velmora {

// "Combina resistori…": follows the drawer, and the scheme on show for the
// bands it paints.
ToolEntry combineTool();

} // namespace Velmora
