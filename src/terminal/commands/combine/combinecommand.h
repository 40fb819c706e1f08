#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora combina VALORE: the best network of each number of parts.
TerminalCommand combineCommand();

} // namespace Velmora
