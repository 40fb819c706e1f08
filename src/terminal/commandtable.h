#pragma once

#include "terminalcommand.h"

#include <QString>
#include <QStringList>

namespace Velmora {

// The dispatch and --help over a table of commands, in the order given.

const TerminalCommand *findCommand(CommandTable commands, const QString &name);

// Runs a command, arguments being what follows its name; prints its answer
// and returns the exit status.
int runCommand(CommandTable commands, const TerminalCommand &command, const QStringList &arguments);

// The program's --help, which lists the commands and their options.
QString helpText(CommandTable commands);

} // namespace Velmora
