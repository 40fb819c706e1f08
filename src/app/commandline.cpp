#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <cstdio>
#include <string_view>

namespace Velmora {

namespace {

struct QtOption {
    std::string_view name;
    bool takesValue;
};

// The options every Qt program takes (qt6options(7)), which QApplication
// reads and removes itself. They pass through untouched and stay out of the
// help, which names Velmora's own.
constexpr std::array<QtOption, 20> QtOptions {{
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowicon", true},
    {"icon", true},
    {"qwindowtitle", true},
    {"title", true},
    {"session", true},
    {"display", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"dialogs", true},
    {"fontengine", true},
    {"name", true},
    {"widgetcount", false},
    {"reverse", false},
}};

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

// "--style=Fusion" -> "style"
QString optionName(const QString &argument)
{
    qsizetype dashes = 0;
    while (dashes < 2 && dashes < argument.size() && argument.at(dashes) == QLatin1Char('-'))
        ++dashes;
    return argument.mid(dashes).section(QLatin1Char('='), 0, 0);
}

// Names the first argument the parser could not take, as the user typed it.
int refuseOption(const QCommandLineParser &parser, const QStringList &arguments)
{
    QStringList options;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')))
            options << argument;
    }
    for (const QString &option : options) {
        if (parser.unknownOptionNames().contains(optionName(option)))
            return refuse(QStringLiteral("opzione sconosciuta: %1").arg(option.section(QLatin1Char('='), 0, 0)));
    }
    // Otherwise a value is missing at the end or given to an option without one.
    const QString last = options.isEmpty() ? QString() : options.constLast();
    if (last.contains(QLatin1Char('=')))
        return refuse(QStringLiteral("l'opzione %1 non vuole un valore").arg(last.section(QLatin1Char('='), 0, 0)));
    return refuse(QStringLiteral("manca il valore dell'opzione %1").arg(last));
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are single-dash words: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption &o : QtOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name.data(), qsizetype(o.name.size())));
        if (o.takesValue)
            option.setValueName(QStringLiteral("valore"));
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return refuseOption(parser, arguments);
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
