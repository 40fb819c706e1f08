#include "commandarguments.h"

#include "terminalcommand.h"

#include <algorithm>

namespace Velmora {

bool CommandArguments::isSet(QStringView option) const
{
    return flags.contains(option);
}

std::optional<QString> CommandArguments::value(QStringView option) const
{
    const auto it = std::find_if(values.rbegin(), values.rend(), [&](const auto &v) { return v.first == option; });
    return it == values.rend() ? std::nullopt : std::optional(it->second);
}

QStringList CommandArguments::allValues(QStringView option) const
{
    QStringList all;
    for (const auto &[name, value] : values)
        if (name == option)
            all << value;
    return all;
}

QString parseArguments(const TerminalCommand &command, const QStringList &arguments, CommandArguments &parsed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            parsed.words += arguments.mid(i + 1);
            break;
        }
        // "-470" and "-,5" are values, which the reader refuses as negative.
        const bool option = argument.size() > 1 && argument.front() == u'-' && !argument.at(1).isDigit()
            && argument.at(1) != u'.' && argument.at(1) != u',';
        if (!option) {
            parsed.words << argument;
            continue;
        }
        const QString name = argument.section(u'=', 0, 0);
        const bool valueGiven = name.size() != argument.size();
        const auto own = std::find_if(
            command.options.begin(), command.options.end(), [&](const TerminalOption &o) { return o.name == name; });
        const bool json = name == QLatin1String("--json");
        const bool help = name == QLatin1String("-h") || name == QLatin1String("--help");
        if (json || help || (own != command.options.end() && !own->takesValue())) {
            if (valueGiven)
                return QStringLiteral("l'opzione %1 non vuole un valore").arg(name);
            if (json)
                parsed.json = true;
            else if (help)
                parsed.help = true;
            else
                parsed.flags << name;
            continue;
        }
        if (own == command.options.end())
            return QStringLiteral("opzione sconosciuta: %1").arg(name);
        QString value;
        if (valueGiven)
            value = argument.mid(name.size() + 1);
        else if (i + 1 < arguments.size())
            value = arguments.at(++i);
        else
            return QStringLiteral("manca il valore dell'opzione %1").arg(name);
        const auto given
            = std::find_if(parsed.values.begin(), parsed.values.end(), [&](const auto &v) { return v.first == name; });
        if (given != parsed.values.end() && !own->repeats)
            given->second = value;
        else
            parsed.values.emplace_back(name, value);
    }
    return QString();
}

} // namespace Velmora
