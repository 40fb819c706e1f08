#include "bashcompletion.h"

#include <algorithm>

namespace Velmora {

namespace {

// One line of the script, indented as it nests.
void line(QString &script, int depth, const QString &text)
{
    script += QString(4 * depth, u' ') + text + u'\n';
}

QString offer(const QStringList &words)
{
    return QStringLiteral("words=\"%1\"").arg(words.join(u' '));
}

// What the command's words and options offer where no option wants a value.
void offerWords(QString &script, int depth, const TerminalCommand &command)
{
    QStringList options;
    for (const TerminalOption &option : command.options)
        options << option.name;
    options << QStringLiteral("--json") << QStringLiteral("--help");
    const QString &joiner = command.words.joiner;
    if (joiner.isEmpty()) {
        line(script, depth, offer(command.words.values + options));
        return;
    }
    line(script, depth, QStringLiteral("# Values joined by %1: the one after the last.").arg(joiner));
    line(script, depth, QStringLiteral("if [[ $cur == *%1* ]]; then").arg(joiner));
    line(script, depth + 1, QStringLiteral("before=${cur%") + joiner + QStringLiteral("*}") + joiner);
    line(script, depth + 1, QStringLiteral("cur=${cur##*%1}").arg(joiner));
    line(script, depth + 1, offer(command.words.values));
    line(script, depth, QStringLiteral("else"));
    line(script, depth + 1, offer(command.words.values + options));
    line(script, depth, QStringLiteral("fi"));
}

// An option's values, by the value of the option they hang on where they do;
// values that offer the same list share a branch.
void offerValues(QString &script, int depth, const TerminalOption &option)
{
    const Completion &values = option.values;
    if (values.dependsOn.isEmpty()) {
        line(script, depth, QStringLiteral("%1) %2 ;;").arg(option.name, offer(values.values)));
        return;
    }
    line(script, depth, option.name + u')');
    line(script, depth + 1, QStringLiteral("case $(_velmora_option %1) in").arg(values.dependsOn));
    std::vector<bool> done(values.byValue.size());
    for (std::size_t i = 0; i < values.byValue.size(); ++i) {
        if (done[i])
            continue;
        QStringList keys;
        for (std::size_t j = i; j < values.byValue.size(); ++j) {
            if (values.byValue[j].second == values.byValue[i].second) {
                keys << values.byValue[j].first;
                done[j] = true;
            }
        }
        line(script, depth + 1,
            QStringLiteral("%1) %2 ;;").arg(keys.join(QStringLiteral(" | ")), offer(values.byValue[i].second)));
    }
    line(script, depth + 1, QStringLiteral("*) %1 ;;").arg(offer(values.values)));
    line(script, depth + 1, QStringLiteral("esac"));
    line(script, depth + 1, QStringLiteral(";;"));
}

void offerCommand(QString &script, const TerminalCommand &command)
{
    constexpr int depth = 2;
    line(script, depth, command.name + u')');
    QStringList valueless;
    std::vector<const TerminalOption *> valued;
    for (const TerminalOption &option : command.options) {
        if (option.takesValue() && option.values.values.isEmpty() && option.values.byValue.empty())
            valueless << option.name;
        else if (option.takesValue())
            valued.push_back(&option);
    }
    if (valueless.isEmpty() && valued.empty()) {
        offerWords(script, depth + 1, command);
        line(script, depth + 1, QStringLiteral(";;"));
        return;
    }
    line(script, depth + 1, QStringLiteral("case $prev in"));
    for (const TerminalOption *option : valued)
        offerValues(script, depth + 1, *option);
    // A value nothing can guess, such as a measurement: no offer at all.
    if (!valueless.isEmpty())
        line(script, depth + 1, QStringLiteral("%1) return ;;").arg(valueless.join(QStringLiteral(" | "))));
    line(script, depth + 1, QStringLiteral("*)"));
    offerWords(script, depth + 2, command);
    line(script, depth + 2, QStringLiteral(";;"));
    line(script, depth + 1, QStringLiteral("esac"));
    line(script, depth + 1, QStringLiteral(";;"));
}

} // namespace

QString bashCompletion(CommandTable commands)
{
    QString script;
    line(script, 0, QStringLiteral("# bash completion for velmora: its commands, their options and the colour"));
    line(script, 0, QStringLiteral("# names. bash-completion loads it on first use of velmora. Made when"));
    line(script, 0, QStringLiteral("# velmora is built, from its table of commands."));
    line(script, 0, QString());
    line(script, 0, QStringLiteral("# The value the words before the cursor give an option, empty if none."));
    line(script, 0, QStringLiteral("_velmora_option()"));
    line(script, 0, QStringLiteral("{"));
    line(script, 1, QStringLiteral("local i value="));
    line(script, 1, QStringLiteral("for ((i = 2; i < COMP_CWORD; i++)); do"));
    line(script, 2, QStringLiteral("# bash splits --bande=5 at the =, into three words."));
    line(script, 2, QStringLiteral("[[ ${COMP_WORDS[i]} == \"$1\" ]] && value=${COMP_WORDS[i + 1]}"));
    line(script, 2,
        QStringLiteral("[[ ${COMP_WORDS[i]} == \"$1\" && ${COMP_WORDS[i + 1]} == = ]] && value=${COMP_WORDS[i + 2]}"));
    line(script, 2, QStringLiteral("[[ ${COMP_WORDS[i]} == \"$1\"=* ]] && value=${COMP_WORDS[i]#\"$1\"=}"));
    line(script, 1, QStringLiteral("done"));
    line(script, 1, QStringLiteral("echo \"$value\""));
    line(script, 0, QStringLiteral("}"));
    line(script, 0, QString());
    line(script, 0, QStringLiteral("_velmora()"));
    line(script, 0, QStringLiteral("{"));
    line(script, 1, QStringLiteral("local cur=${COMP_WORDS[COMP_CWORD]}"));
    line(script, 1, QStringLiteral("local prev=${COMP_WORDS[COMP_CWORD - 1]}"));
    line(script, 1, QStringLiteral("local words before="));
    line(script, 1, QStringLiteral("if ((COMP_CWORD == 1)); then"));
    QStringList names;
    for (const TerminalCommand &command : commands)
        names << command.name;
    line(script, 2, offer(names << QStringLiteral("--help") << QStringLiteral("--version")));
    line(script, 1, QStringLiteral("else"));
    line(script, 2, QStringLiteral("case ${COMP_WORDS[1]} in"));
    for (const TerminalCommand &command : commands)
        offerCommand(script, command);
    line(script, 2, QStringLiteral("*) return ;;"));
    line(script, 2, QStringLiteral("esac"));
    line(script, 1, QStringLiteral("fi"));
    line(script, 1, QStringLiteral("mapfile -t COMPREPLY < <(compgen -P \"$before\" -W \"$words\" -- \"$cur\")"));
    line(script, 0, QStringLiteral("}"));
    line(script, 0, QStringLiteral("complete -F _velmora velmora"));
    return script;
}

} // namespace Velmora
