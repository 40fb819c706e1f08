#pragma once

#include "completion.h"
#include "terminaloption.h"

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace Velmora {

struct CommandArguments;

// One entry of the terminal's table of commands: what the dispatch, --help
// and the bash completion know of it.
struct TerminalCommand {
    QString name {}; // "bande", the word after velmora
    QString wordsName {}; // "COLORE...", what its words are in --help
    QStringList help {}; // its lines under "Comandi:"
    std::vector<TerminalOption> options {}; // its own; --json and --help are every command's
    Completion words {}; // what each of its words completes to
    // Prints the answer and returns the exit status: 0 answered, 1 input
    // refused, 2 misused.
    int (*run)(const CommandArguments &arguments) = nullptr;
};

using CommandTable = std::span<const TerminalCommand>;

} // namespace Velmora
