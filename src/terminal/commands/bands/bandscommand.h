#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora bande COLORE...: the value from the colours of the bands.
TerminalCommand bandsCommand();

} // namespace Velmora
