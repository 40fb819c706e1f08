#pragma once

#include "terminalcommand.h"

namespace Velmora {

// velmora etichette: a PDF of labels for values, a series or a drawer, on
// a sheet of the label library; --fogli lists the sheets known.
TerminalCommand labelsCommand();

} // namespace Velmora
