#pragma once

#include "terminalcommand.h"

namespace Velmora {

// velmora marcatura TESTO... [--componente resistore|condensatore|induttore]
TerminalCommand markingCommand();

} // namespace Velmora
