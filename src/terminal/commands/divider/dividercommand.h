#pragma once

namespace Velmora {

struct TerminalCommand;

// velmora partitore RAPPORTO: the best divider of each number of parts.
TerminalCommand dividerCommand();

} // namespace Velmora
