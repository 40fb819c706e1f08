#pragma once

#include "terminalcommand.h"

#include <QString>

namespace Velmora {

// The bash completion script for a table of commands: their names, their
// options and what their words and option values complete to.
QString bashCompletion(CommandTable commands);

} // namespace Velmora
