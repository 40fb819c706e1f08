#include "readingjson.h"

#include "commandarguments.h"
#include "eseries.h"
#include "schemeregistry.h"
#include "terminaloutput.h"
#include "valuebands.h"
#include "wording.h"

#include <QJsonArray>

#include <array>

namespace Velmora {

QString exact(Decimal r)
{
    return QString::fromStdString(plainText(r, "."));
}

QJsonObject json(const Part &part)
{
    static constexpr std::array Kinds {"resistore", "condensatore", "induttore"};
    static constexpr std::array Markings {"testo", "bande", "codice"};
    const std::string_view unit = unitSymbol(part.value.unit);
    QJsonValue tolerance;
    if (part.tolerance)
        tolerance = QJsonObject {{QStringLiteral("meno"), exact({part.tolerance->below, -2})},
            {QStringLiteral("piu"), exact({part.tolerance->above, -2})}};
    return QJsonObject {
        {QStringLiteral("tipo"), QString::fromLatin1(Kinds.at(std::size_t(part.kind)))},
        {QStringLiteral("valore"), QString::fromStdString(exactText(part.value))},
        {QStringLiteral("unita"), QString::fromUtf8(unit.data(), qsizetype(unit.size()))},
        {QStringLiteral("tolleranza"), tolerance},
        {QStringLiteral("marcatura"),
            QJsonObject {{QStringLiteral("tipo"), QString::fromLatin1(Markings.at(std::size_t(part.marking.kind)))},
                {QStringLiteral("testo"), QString::fromStdString(part.marking.text)}}},
    };
}

QString schemeName(SchemeId id)
{
    const std::string_view name = schemeEntry(id).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
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
        {QStringLiteral("schema"), schemeName(reading.scheme)},
        {QStringLiteral("parte"), json(*partOf(reading))},
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
