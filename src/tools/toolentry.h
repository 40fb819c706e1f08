#pragma once

#include <QKeySequence>
#include <QString>

namespace Velmora {

class ToolContext;
class ToolDialog;

// A tool as the Strumenti menu offers it. Each tool's folder makes its own;
// the program lists them once, and its menu, File → Esci and About box
// follow that list.
struct ToolEntry {
    QString label; // with its mnemonic and the ellipsis: "Codice &SMD…"
    QKeySequence shortcut; // works from every window of the program
    // Builds the tool's window over the context's, on its first opening; the
    // window then stays, hidden when closed.
    ToolDialog *(*create)(ToolContext &context) = nullptr;
};

} // namespace Velmora
