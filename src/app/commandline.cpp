#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <string_view>

namespace Velmora {

namespace {

constexpr std::string_view HelpText = "Uso: velmora [opzioni]\n"
                                      "Legge il codice colori dei resistori a 4, 5 e 6 bande.\n"
                                      "\n"
                                      "Opzioni:\n"
                                      "  -h, --help     Mostra questo aiuto ed esce.\n"
                                      "  -v, --version  Mostra la versione ed esce.\n"
                                      "\n"
                                      "Valgono anche le opzioni comuni a tutti i programmi Qt, come\n"
                                      "-platform NOME e -style NOME.\n";

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

int refuse(const QString &what)
{
    print(stderr, QStringLiteral("velmora: %1 (vedere velmora --help)\n").arg(what));
    return 2;
}

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
                return refuse(QStringLiteral("manca il valore dell'opzione %1").arg(typed));
            return refuse(QStringLiteral("opzione sconosciuta: %1").arg(typed));
        }
        if (typed != argument)
            return refuse(QStringLiteral("l'opzione %1 non vuole un valore").arg(typed));
    }
    return refuse(parser.errorText());
}

} // namespace

std::optional<int> handleCommandLine(
    const QStringList &arguments, const std::function<bool(const QString &option)> &takesValue)
{
    QCommandLineParser parser;
    // Single-dash words stay whole, as in Qt's options: -nosuch, not -n -o ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);

    if (!parser.parse(arguments))
        return refuseOption(parser, arguments, takesValue);
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("argomento non previsto: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) {
        std::fwrite(HelpText.data(), 1, HelpText.size(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout,
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace Velmora
