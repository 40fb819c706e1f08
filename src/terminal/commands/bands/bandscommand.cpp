#include "bandscommand.h"

#include "colourcode.h"
#include "commandarguments.h"
#include "inductorbands.h"
#include "inductorwording.h"
#include "readingjson.h"
#include "schemeregistry.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QJsonArray>

#include <array>
#include <vector>

namespace Velmora {

namespace {

constexpr qsizetype FewestBands = 3;
constexpr qsizetype MostBands = 6;

// The names scripts read, whatever the wording says.
constexpr std::array FormatKeys {"4 bande", "3 bande", "militare"};
constexpr std::array SourceKeys {"concorde", "learnabout-electronics.org", "rzguodou.com"};

QJsonObject json(const InductorBandValue &reading)
{
    QJsonValue tolerance;
    if (reading.tolerance != 0)
        tolerance = QJsonObject {{QStringLiteral("meno"), exact({reading.tolerance, -2})},
            {QStringLiteral("piu"), exact({reading.tolerance, -2})}};
    return QJsonObject {
        {QStringLiteral("componente"), QStringLiteral("induttore")},
        {QStringLiteral("valore"), exact(reading.henries)},
        {QStringLiteral("unita"), QStringLiteral("H")},
        {QStringLiteral("testo"), InductorWording::value(reading.henries)},
        {QStringLiteral("tolleranza"), tolerance},
        {QStringLiteral("formato"), QString::fromLatin1(FormatKeys.at(std::size_t(reading.format)))},
        {QStringLiteral("fonte"), QString::fromLatin1(SourceKeys.at(std::size_t(reading.source)))},
    };
}

int refuseCount(const CommandArguments &arguments, const QString &command, qsizetype most)
{
    return refuseUsage(arguments,
        QStringLiteral("%1 vuole da %2 a %3 colori, uno per banda dalla prima, e ne ha %4")
            .arg(command)
            .arg(FewestBands)
            .arg(most)
            .arg(arguments.words.size()));
}

// The words as colours. A word that names no colour stands as black, so
// that a band before it that cannot be read is still named first; unknown
// is the first such word, counted from 1, or 0.
std::vector<Colour> coloursOf(const QStringList &words, int &unknown)
{
    std::vector<Colour> colours;
    unknown = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const std::optional<Colour> colour = colourNamed(words.at(i).toStdString());
        if (!colour && unknown == 0)
            unknown = int(i) + 1;
        colours.push_back(colour.value_or(Colour::Black));
    }
    return colours;
}

// An inductor's bands, each reading the tables give on a line of its own.
int runInductor(const CommandArguments &arguments)
{
    constexpr qsizetype MostInductorBands = 5;
    const QStringList &words = arguments.words;
    if (words.size() < FewestBands || words.size() > MostInductorBands)
        return refuseCount(arguments, QStringLiteral("bande --induttore"), MostInductorBands);
    int unknown = 0;
    const std::vector<Colour> colours = coloursOf(words, unknown);
    const InductorBandReading read = readInductorBands(colours);
    const int bad = read.error == InductorBandError::None ? 0 : int(read.badBand) + 1;
    if (unknown != 0 && (bad == 0 || unknown <= bad))
        return refuseInput(arguments, InductorWording::notAColour(unknown, words.at(unknown - 1)));
    if (bad != 0)
        return refuseInput(arguments, InductorWording::refusal(read.error, bad, words.at(bad - 1)));
    if (arguments.json) {
        QJsonArray readings;
        for (const InductorBandValue &v : read.readings)
            readings << json(v);
        printJson({{QStringLiteral("letture"), readings}});
        return 0;
    }
    QStringList lines;
    for (const InductorBandValue &v : read.readings)
        lines << InductorWording::readingLine(v);
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

int run(const CommandArguments &arguments)
{
    if (arguments.isSet(u"--induttore"))
        return runInductor(arguments);
    const QStringList &words = arguments.words;
    if (words.size() < FewestBands || words.size() > MostBands)
        return refuseCount(arguments, QStringLiteral("bande"), MostBands);
    int unknown = 0;
    const std::vector<Colour> colours = coloursOf(words, unknown);
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
        .options = {{.name = QStringLiteral("--induttore"),
            .help = {QStringLiteral("Con bande: i colori di un induttore, da 3 a 5 (5: la"),
                QStringLiteral("forma militare), il valore in henry.")}}},
        .words = {.values = colourNames()},
        .run = run,
    };
}

} // namespace Velmora
