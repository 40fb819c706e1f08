#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace Velmora {

// Velmora's commands for a terminal, "velmora bande ...", "velmora valore
// ..." and "velmora smd ...": the colour code both ways and SMD markings, as
// text in the user's locale or as JSON.
// They need no display and no QApplication.

bool isTerminalCommand(const QString &word);

// Runs a command, arguments being what follows its name; prints its answer
// and returns the exit status: 0 answered, 1 input refused, 2 misused.
int runTerminalCommand(const QString &command, const QStringList &arguments);

// The program's --help, which lists the commands.
QString helpText();

// One line on standard error naming the misuse, status 2.
int refuseUsage(const QString &what);

void print(std::FILE *stream, const QString &text);

} // namespace Velmora
