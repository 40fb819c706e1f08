#include "readingjson.h"

#include "commandarguments.h"
#include "eseries.h"
#include "terminaloutput.h"
#include "valuebands.h"
#include "wording.h"

#include <QJsonArray>

namespace Velmora {

QString exact(Decimal r)
{
    return QString::fromStdString(plainText(r, "."));
}

QJsonObject json(const Reading &reading)
{
    QJsonArray bands;
    for (int band = 1; band <= bandScheme(reading.scheme).bandCount; ++band)
        bands << Wording::colour(*colourOf(reading, band));
    const Decimal value = *valueOf(reading);
    const Limits limits = *limitsOf(reading);
    const std::optional<int> coefficient = coefficientOf(reading);
    const SeriesStanding standing = seriesStanding(reading, value);
    QJsonArray series;
    for (ESeries s : standing.series)
        series << QString::fromUtf8(seriesName(s).data(), qsizetype(seriesName(s).size()));
    QJsonArray nearest;
    for (const auto &r : {standing.below, standing.above})
        if (r)
            nearest << exact(*r);
    return QJsonObject {
        {QStringLiteral("bande"), bands},
        {QStringLiteral("ohm"), exact(value)},
        {QStringLiteral("tolleranza"), exact({*toleranceOf(reading), -2})},
        {QStringLiteral("ppm"), coefficient ? QJsonValue(QString::number(*coefficient)) : QJsonValue()},
        {QStringLiteral("min"), exact(limits.lowest)},
        {QStringLiteral("max"), exact(limits.highest)},
        {QStringLiteral("serie"), series},
        {QStringLiteral("vicini"), nearest},
        {QStringLiteral("testo"), Wording::resultLine(reading)},
    };
}

int answer(const CommandArguments &arguments, const Reading &reading, const QString &text)
{
    if (arguments.json)
        printJson(json(reading));
    else
        print(stdout, text + u'\n');
    return 0;
}

} // namespace Velmora
