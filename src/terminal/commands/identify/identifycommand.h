#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora identifica BANDA...: every reading of what is seen on a part.
TerminalCommand identifyCommand();

} // namespace Velmora
