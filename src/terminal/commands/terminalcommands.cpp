#include "terminalcommands.h"

#include "bandscommand.h"
#include "bashcompletion.h"
#include "combinecommand.h"
#include "commandtable.h"
#include "dividercommand.h"
#include "identifycommand.h"
#include "labelscommand.h"
#include "markingcommand.h"
#include "smdcommand.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "valuecommand.h"

#include <array>

namespace Velmora {

namespace {

// Every command, one line each, in the order --help and the completion list
// them.
CommandTable commands()
{
    static const std::array table {
        bandsCommand(),
        valueCommand(),
        smdCommand(),
        markingCommand(),
        identifyCommand(),
        combineCommand(),
        dividerCommand(),
        labelsCommand(),
    };
    return table;
}

} // namespace

bool isTerminalCommand(const QString &word)
{
    return findCommand(commands(), word) != nullptr;
}

int runTerminalCommand(const QString &command, const QStringList &arguments)
{
    const TerminalCommand *found = findCommand(commands(), command);
    if (!found)
        return refuseUsage(QStringLiteral("comando sconosciuto: %1").arg(command));
    return runCommand(commands(), *found, arguments);
}

QStringList terminalCommandNames()
{
    QStringList names;
    for (const TerminalCommand &command : commands())
        names << command.name;
    return names;
}

QString helpText()
{
    return Velmora::helpText(commands());
}

QString bashCompletionScript()
{
    return bashCompletion(commands());
}

} // namespace Velmora
