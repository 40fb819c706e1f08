#include "bandscommand.h"

#include "colourcode.h"
#include "commandarguments.h"
#include "readingjson.h"
#include "schemeregistry.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "wording.h"

#include <vector>

namespace Velmora {

namespace {

constexpr qsizetype FewestBands = 3;
constexpr qsizetype MostBands = 6;

int run(const CommandArguments &arguments)
{
    const QStringList &words = arguments.words;
    if (words.size() < FewestBands || words.size() > MostBands)
        return refuseUsage(arguments,
            QStringLiteral("bande vuole da %1 a %2 colori, uno per banda dalla prima, e ne ha %3")
                .arg(FewestBands)
                .arg(MostBands)
                .arg(words.size()));
    // A word that names no colour stands as black, so that a band before it
    // with a colour out of its list is still named first.
    std::vector<Colour> colours;
    int unknown = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const std::optional<Colour> colour = colourNamed(words.at(i).toStdString());
        if (!colour && unknown == 0)
            unknown = int(i) + 1;
        colours.push_back(colour.value_or(Colour::Black));
    }
    const ColourReading read = *readColours(colours);
    const int bad = read.badBand != 0 && (unknown == 0 || read.badBand <= unknown) ? read.badBand : unknown;
    if (bad != 0) {
        // Every colour a part may carry there, not only the window's.
        const SchemeId lists = *wholeCodeFor(bandScheme(read.reading.scheme).bandCount);
        return refuseInput(arguments, Wording::bandColourRefusal(bandScheme(lists), bad, words.at(bad - 1)));
    }
    if (read.leadingZero)
        return refuseInput(arguments, Wording::leadingZero());
    return answer(arguments, read.reading, Wording::resultLine(read.reading));
}

} // namespace

TerminalCommand bandsCommand()
{
    return {
        .name = QStringLiteral("bande"),
        .wordsName = QStringLiteral("COLORE..."),
        .help = {QStringLiteral("Il valore dai colori delle bande, da 3 a 6, dalla prima:"),
            QStringLiteral("nero, marrone, rosso, arancio, giallo, verde, azzurro"),
            QStringLiteral("(o blu), viola, grigio, bianco, oro, argento, rosa."),
            QStringLiteral("Esempio: velmora bande giallo viola rosso oro")},
        .words = {.values = colourNames()},
        .run = run,
    };
}

} // namespace Velmora
