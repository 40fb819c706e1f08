#include "commandline.h"

#include "terminalcommands.h"
#include "terminaloutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace Velmora {

namespace {

// "--colour=nero" -> "colour"
QString optionName(const QString &argument)
{
    qsizetype dashes = 0;
    while (dashes < 2 && dashes < argument.size() && argument.at(dashes) == QLatin1Char('-'))
        ++dashes;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

// Names the first argument the parser could not take, as the user typed it.
int refuseOption(const QCommandLineParser &parser, const QStringList &arguments,
    const std::function<bool(const QString &)> &takesValue)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const QString typed = argument.section(QLatin1Char('='), 0, 0);
        if (parser.unknownOptionNames().contains(optionName(argument))) {
            // Qt leaves an option of its own whose value is missing, which
            // can only happen at the end.
            if (i == arguments.size() - 1 && typed == argument && takesValue(argument))
                return refuseUsage(QStringLiteral("manca il valore dell'opzione %1").arg(typed));
            return refuseUsage(QStringLiteral("opzione sconosciuta: %1").arg(typed));
        }
        if (typed != argument)
            return refuseUsage(QStringLiteral("l'opzione %1 non vuole un valore").arg(typed));
    }
    return refuseUsage(parser.errorText());
}

} // namespace

std::optional<int> handleCommandLine(
    const QStringList &arguments, const std::function<bool(const QString &option)> &takesValue)
{
    QCommandLineParser parser;
    // Single-dash words stay whole, as in Qt's options: -nosuch, not -n -o ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // A command's options are its own: "velmora -style Fusion valore -470".
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments))
        return refuseOption(parser, arguments, takesValue);
    if (parser.isSet(help)) {
        print(stdout, helpText());
        return 0;
    }
    if (const QStringList words = parser.positionalArguments(); !words.isEmpty()) {
        if (!isTerminalCommand(words.constFirst()))
            return refuseUsage(QStringLiteral("comando sconosciuto: %1").arg(words.constFirst()));
        return runTerminalCommand(words.constFirst(), words.mid(1));
    }
    if (parser.isSet(version)) {
        print(stdout,
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace Velmora
