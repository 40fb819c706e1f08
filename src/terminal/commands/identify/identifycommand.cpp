#include "identifycommand.h"

#include "colourcode.h"
#include "commandarguments.h"
#include "identification.h"
#include "identifywording.h"
#include "readingjson.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QJsonArray>

namespace Velmora {

namespace {

QJsonObject json(const Identified &id)
{
    QJsonArray bands;
    for (int band = 1; band <= bandScheme(id.reading.scheme).bandCount; ++band)
        bands << Wording::colour(*colourOf(id.reading, band));
    return QJsonObject {
        {QStringLiteral("bande"), bands},
        {QStringLiteral("ohm"), exact(id.value)},
        {QStringLiteral("tolleranza"), exact({id.tolerance, -2})},
        {QStringLiteral("ppm"), id.coefficient ? QJsonValue(QString::number(*id.coefficient)) : QJsonValue()},
        {QStringLiteral("min"), exact(id.limits.lowest)},
        {QStringLiteral("max"), exact(id.limits.highest)},
        {QStringLiteral("normalizzato"), id.standard},
        {QStringLiteral("misura"), id.measuredWithin ? QJsonValue(*id.measuredWithin) : QJsonValue()},
        {QStringLiteral("rovesciata"), id.reversed},
        {QStringLiteral("schema"), schemeName(id.reading.scheme)},
        {QStringLiteral("parte"), json(partOf(id))},
    };
}

int run(const CommandArguments &arguments)
{
    const QStringList &words = arguments.words;
    if (words.size() < 3 || words.size() > 6)
        return refuseUsage(arguments,
            QStringLiteral("identifica vuole da 3 a 6 bande (un colore, più colori uniti da / "
                           "oppure ?), e ne ha %1")
                .arg(words.size()));
    const std::optional<QString> measuredText = arguments.value(u"--misurato");
    const std::optional<QString> accuracyText = arguments.value(u"--precisione");
    Sighting sighting;
    sighting.firstIsBand1 = arguments.isSet(u"--verso-noto");
    for (qsizetype i = 0; i < words.size(); ++i) {
        ColourSet seen = 0;
        for (const QString &name : words.at(i).split(u'/')) {
            const std::optional<Colour> colour = colourNamed(name.toStdString());
            if (name.isEmpty())
                return refuseInput(arguments, IdentifyWording::emptyAlternative(int(i) + 1, words.at(i)));
            if (name == QLatin1String("?"))
                seen |= AnyColour;
            else if (colour)
                seen |= colourBit(*colour);
            else
                return refuseInput(arguments, IdentifyWording::notAColour(int(i) + 1, name));
        }
        sighting.bands.push_back(seen);
    }
    if (accuracyText && !measuredText)
        return refuseUsage(arguments, QStringLiteral("l'opzione --precisione vale solo con --misurato"));
    if (measuredText) {
        const ValueReading read = Wording::read(*measuredText);
        if (!read.value)
            return refuseInput(arguments, Wording::readRefusal(read, *measuredText));
        Measurement measured {*read.value};
        if (accuracyText) {
            const std::optional<int> accuracy = hundredthsOfPercent(accuracyText->toStdString());
            if (!accuracy || *accuracy >= 10000)
                return refuseUsage(arguments,
                    QStringLiteral("l'opzione --precisione vuole una percentuale, per esempio 1 oppure 0,5"));
            measured.accuracy = *accuracy;
        }
        sighting.measured = measured;
    }

    const Identification found = identify(sighting);
    const QString verdict = IdentifyWording::verdict(found, sighting.measured.has_value());
    // With nothing to read, why is the answer.
    const QString ruledOut = IdentifyWording::exclusions(found);
    if (found.readings.empty())
        return refuseInput(arguments, ruledOut.isEmpty() || arguments.json ? verdict : verdict + u'\n' + ruledOut);
    if (arguments.json) {
        QJsonArray readings;
        for (const Identified &id : found.readings)
            readings << json(id);
        qint64 excluded = 0;
        for (std::size_t n : found.excluded)
            excluded += qint64(n);
        printJson(QJsonObject {{QStringLiteral("letture"), readings}, {QStringLiteral("trovate"), qint64(found.found)},
            {QStringLiteral("non_elencate"), qint64(found.found - found.readings.size())},
            {QStringLiteral("escluse"), excluded}, {QStringLiteral("verdetto"), verdict}});
        return 0;
    }
    QStringList lines;
    for (const Identified &id : found.readings)
        lines << IdentifyWording::line(id);
    lines << QString() << verdict;
    if (!ruledOut.isEmpty())
        lines << ruledOut;
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

} // namespace

TerminalCommand identifyCommand()
{
    return {
        .name = QStringLiteral("identifica"),
        .wordsName = QStringLiteral("BANDA..."),
        .help = {QStringLiteral("Ogni lettura di ciò che si vede, in entrambi i versi,"),
            QStringLiteral("la migliore per prima: una banda è un colore, più"),
            QStringLiteral("colori uniti da / se incerti, oppure ? se illeggibile."),
            QStringLiteral("Esempio: velmora identifica rosso rosso nero nero marrone")},
        .options = {{.name = QStringLiteral("--verso-noto"),
                        .help = {QStringLiteral("Con identifica: la prima banda data è la 1ª.")}},
            {.name = QStringLiteral("--misurato"),
                .valueName = QStringLiteral("VALORE"),
                .help = {QStringLiteral("Con identifica: il valore letto dal tester.")}},
            {.name = QStringLiteral("--precisione"),
                .valueName = QStringLiteral("P"),
                .help = {QStringLiteral("Con identifica: la precisione del tester in percento"),
                    QStringLiteral("(se manca, 1).")}}},
        .words = {.values = colourNames(), .joiner = QStringLiteral("/")},
        .run = run,
    };
}

} // namespace Velmora
