#include "commandtable.h"

#include "commandarguments.h"
#include "terminaloutput.h"

#include <algorithm>

namespace Velmora {

namespace {

constexpr qsizetype HelpWidth = 80;
constexpr qsizetype HelpColumn = 20; // where the explanation of a term starts

// "  --bande N         Con valore: ...", the explanation's further lines
// under its first; a term that reaches the column is followed by two spaces.
QString helpEntry(const QString &term, const QStringList &lines)
{
    const QString head = QStringLiteral("  ") + term;
    QString entry = (head.size() < HelpColumn ? head.leftJustified(HelpColumn) : head + QStringLiteral("  "))
        + lines.value(0) + u'\n';
    for (qsizetype i = 1; i < lines.size(); ++i)
        entry += QString(HelpColumn, u' ') + lines.at(i) + u'\n';
    return entry;
}

QString optionTerm(const TerminalOption &option)
{
    return option.takesValue() ? option.name + u' ' + option.valueName : option.name;
}

// "     velmora valore TESTO [--bande N] ... [--json]", wrapped under the words.
QString usageLine(const TerminalCommand &command)
{
    const QString start = QStringLiteral("     velmora %1 ").arg(command.name);
    QStringList terms;
    for (const TerminalOption &option : command.options)
        terms << u'[' + optionTerm(option) + u']' + (option.repeats ? QStringLiteral("...") : QString());
    terms << QStringLiteral("[--json]");
    QString usage;
    QString line = start + command.wordsName;
    for (const QString &term : terms) {
        if (line.size() + 1 + term.size() > HelpWidth) {
            usage += line + u'\n';
            line = QString(start.size() - 1, u' ');
        }
        line += u' ' + term;
    }
    return usage + line + u'\n';
}

} // namespace

const TerminalCommand *findCommand(CommandTable commands, const QString &name)
{
    const auto it = std::find_if(
        commands.begin(), commands.end(), [&](const TerminalCommand &command) { return command.name == name; });
    return it == commands.end() ? nullptr : &*it;
}

int runCommand(CommandTable commands, const TerminalCommand &command, const QStringList &arguments)
{
    CommandArguments parsed;
    // Asked for JSON, a misuse found before the option is JSON too.
    parsed.json = arguments.mid(0, arguments.indexOf(QStringLiteral("--"))).contains(QStringLiteral("--json"));
    const QString misuse = parseArguments(command, arguments, parsed);
    if (!misuse.isEmpty())
        return refuseUsage(parsed, misuse);
    if (parsed.help) {
        print(stdout, helpText(commands));
        return 0;
    }
    return command.run(parsed);
}

QString helpText(CommandTable commands)
{
    QString usage, described, options;
    QStringList explained; // an option several commands share, once
    for (const TerminalCommand &command : commands) {
        usage += usageLine(command);
        described += helpEntry(command.name + u' ' + command.wordsName, command.help);
        for (const TerminalOption &option : command.options) {
            if (explained.contains(option.name))
                continue;
            explained << option.name;
            options += helpEntry(optionTerm(option), option.help);
        }
    }
    options
        += helpEntry(QStringLiteral("--json"), {QStringLiteral("La risposta come un oggetto JSON, per gli script.")});
    return QStringLiteral("Uso: velmora [opzioni]\n") + usage
        + QStringLiteral("Legge il codice colori dei resistori a 3, 4, 5 e 6 bande e i codici dei\n"
                         "resistori SMD, trova le reti di resistori e i partitori che danno un\n"
                         "valore e stampa le etichette del cassetto. Senza comando apre la\n"
                         "finestra; un comando risponde nel terminale, senza finestra.\n"
                         "\n"
                         "Comandi:\n")
        + described + QStringLiteral("\nOpzioni dei comandi:\n") + options
        + QStringLiteral("\n"
                         "Opzioni:\n"
                         "  -h, --help        Mostra questo aiuto ed esce.\n"
                         "  -v, --version     Mostra la versione ed esce.\n"
                         "\n"
                         "Valgono anche le opzioni comuni a tutti i programmi Qt, come\n"
                         "-platform NOME e -style NOME.\n"
                         "\n"
                         "Stato di uscita: 0 con una risposta, 1 se il dato è rifiutato, 2 se il\n"
                         "comando è usato male.\n");
}

} // namespace Velmora
