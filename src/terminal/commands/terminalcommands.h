#pragma once

#include <QString>
#include <QStringList>

namespace Velmora {

// Velmora's commands for a terminal, "velmora bande ...", "velmora valore
// ...", "velmora smd ..." and "velmora identifica ...": the colour code both
// ways, SMD markings and identification, as text in the user's locale or as
// JSON. They need no display and no QApplication.

bool isTerminalCommand(const QString &word);

// Runs a command, arguments being what follows its name; prints its answer
// and returns the exit status: 0 answered, 1 input refused, 2 misused.
int runTerminalCommand(const QString &command, const QStringList &arguments);

// The commands' names, in the table's order.
QStringList terminalCommandNames();

// The program's --help, which lists the commands.
QString helpText();

// The bash completion of the commands, which the build writes out.
QString bashCompletionScript();

} // namespace Velmora
