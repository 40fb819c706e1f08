#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora valore TESTO: the colours of a value and its E series.
TerminalCommand valueCommand();

} // namespace Velmora
