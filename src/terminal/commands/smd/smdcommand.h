#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora smd CODICE: the value of an SMD code, or the codes of a value.
TerminalCommand smdCommand();

} // namespace Velmora
