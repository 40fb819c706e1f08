#include "combinecommand.h"

#include "combinecommandwording.h"
#include "commandarguments.h"
#include "partoptions.h"
#include "readingjson.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QJsonArray>
#include <QJsonObject>

namespace Velmora {

namespace {

QString data(const Exact &value)
{
    return QString::fromStdString(decimalText(value));
}

QJsonObject json(const Combination &c, const Exact &target)
{
    QJsonArray parts;
    std::vector<std::string> texts;
    for (Decimal part : c.parts) {
        parts << exact(part);
        texts.push_back(exact(part).toStdString());
    }
    return {{QStringLiteral("rete"), QString::fromStdString(networkText(c.shape, texts))},
        {QStringLiteral("parti"), parts}, {QStringLiteral("ohm"), data(c.value)},
        {QStringLiteral("frazione"), QString::fromStdString(fractionText(c.value))},
        {QStringLiteral("errore"), data(c.error)}, {QStringLiteral("errore_percento"), data(c.error * 100 / target)},
        {QStringLiteral("esatto"), c.exact()}, {QStringLiteral("min"), data(c.lowest)},
        {QStringLiteral("max"), data(c.highest)}};
}

int run(const CommandArguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(arguments, CombineCommandWording::wantsValue());
    CombinationQuery query;
    if (const int refused = readMostParts(arguments, 1, 4, query.mostParts))
        return refused;
    const QString typed = arguments.words.join(u' ');
    const ValueReading read = Wording::read(typed);
    if (!read.value)
        return refuseInput(arguments, Wording::readRefusal(read, typed));
    if (read.value->significand == 0)
        return refuseInput(arguments, CombineCommandWording::zeroTarget());
    if (const int refused = readPartSource(arguments, query.source))
        return refused;
    query.target = exactOf(*read.value);

    const std::vector<Combination> found = findCombinations(query);
    if (found.empty()) // the source has parts, so only a failure of the finder's own
        return refuseInput(arguments, CombineCommandWording::noParts());
    if (arguments.json) {
        QJsonArray answers;
        for (const Combination &c : found)
            answers << json(c, query.target);
        printJson({{QStringLiteral("obiettivo"), exact(*read.value)}, {QStringLiteral("soluzioni"), answers}});
        return 0;
    }
    QString lines;
    for (const Combination &c : found)
        lines += CombineCommandWording::combinationLine(c, query.target) + u'\n';
    print(stdout, lines);
    return 0;
}

} // namespace

TerminalCommand combineCommand()
{
    return {
        .name = QStringLiteral("combina"),
        .wordsName = QStringLiteral("VALORE"),
        .help = {QStringLiteral("La rete migliore di 1, 2, 3 e 4 parti per un valore, in"),
            QStringLiteral("serie e in parallelo, con errore e limiti dalle tolleranze;"),
            QStringLiteral("si ferma alla prima esatta."), QStringLiteral("Esempio: velmora combina 9k --serie E6")},
        .options = {seriesOption(), mostPartsOption({"1", "2", "3", "4"}),
            {.name = QStringLiteral("--min"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con combina: il valore più piccolo di una parte (se"),
                    QStringLiteral("manca, 1 Ohm); vale anche per il cassetto.")}},
            {.name = QStringLiteral("--max"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con combina: il valore più grande di una parte (se"),
                    QStringLiteral("manca, 10M); vale anche per il cassetto.")}},
            drawerOption(),
            {.name = QStringLiteral("--escludi"),
                .valueName = QStringLiteral("V"),
                .help = {QStringLiteral("Con combina: un valore da non usare; si ripete per"),
                    QStringLiteral("escluderne altri.")},
                .repeats = true}},
        .run = run,
    };
}

} // namespace Velmora
