#include "markingcommand.h"

#include "commandarguments.h"
#include "markingreading.h"
#include "markingwording.h"
#include "readingjson.h"
#include "terminaloutput.h"
#include "valuereader.h"
#include "wording.h"

#include <QJsonArray>

#include <array>

namespace Velmora {

namespace {

constexpr auto Components = std::to_array<std::pair<const char *, PartKind>>(
    {{"resistore", PartKind::Resistor}, {"condensatore", PartKind::Capacitor}, {"induttore", PartKind::Inductor}});

QString unitKey(PartKind kind)
{
    return kind == PartKind::Capacitor ? QStringLiteral("F")
        : kind == PartKind::Inductor   ? QStringLiteral("H")
                                       : QStringLiteral("Ohm");
}

// Hundredths of a percent as the exact percent scripts read.
QString percent(int hundredths)
{
    return exact(Decimal {hundredths, -2});
}

QJsonValue toleranceJson(const MarkingReading &r)
{
    std::optional<Tolerance> percentage;
    std::optional<Decimal> absolute;
    QString absoluteUnit;
    if (r.smd && r.smd->tolerance)
        percentage = plusMinus(*r.smd->tolerance);
    if (r.capacitor && r.capacitor->tolerance) {
        percentage = r.capacitor->tolerance->percent;
        absolute = r.capacitor->tolerance->absolute;
        absoluteUnit = QStringLiteral("F");
    }
    if (r.inductor && r.inductor->tolerance) {
        percentage = r.inductor->tolerance->percent;
        absolute = r.inductor->tolerance->absolute;
        absoluteUnit = QStringLiteral("H");
    }
    if (percentage)
        return QJsonObject {{QStringLiteral("meno"), percent(percentage->below)},
            {QStringLiteral("piu"), percent(percentage->above)}, {QStringLiteral("unita"), QStringLiteral("%")}};
    if (absolute)
        return QJsonObject {{QStringLiteral("meno"), exact(*absolute)}, {QStringLiteral("piu"), exact(*absolute)},
            {QStringLiteral("unita"), absoluteUnit}};
    return QJsonValue();
}

QJsonValue dielectricJson(const MarkingReading &r)
{
    if (!r.capacitor || !r.capacitor->dielectric)
        return QJsonValue();
    const Dielectric &d = *r.capacitor->dielectric;
    QJsonObject object {{QStringLiteral("classe"), d.kind == DielectricClass::Compensating ? 1 : 2},
        {QStringLiteral("testo"), MarkingWording::dielectric(r)}};
    if (d.kind == DielectricClass::Stable) {
        object.insert(QStringLiteral("da"), d.lowestCelsius);
        object.insert(QStringLiteral("a"), d.highestCelsius);
        object.insert(QStringLiteral("variazione"),
            QJsonObject {{QStringLiteral("meno"), percent(d.change.below)},
                {QStringLiteral("piu"), percent(d.change.above)}, {QStringLiteral("unita"), QStringLiteral("%")}});
    } else {
        object.insert(QStringLiteral("coefficiente"), exact(d.coefficient));
        object.insert(QStringLiteral("tolleranza_coefficiente"),
            d.coefficientTolerance ? QJsonValue(*d.coefficientTolerance) : QJsonValue());
    }
    return object;
}

QJsonObject json(const MarkingReading &r)
{
    const std::optional<Decimal> value = r.part ? asDecimal(r.part->value) : std::nullopt;
    return {{QStringLiteral("componente"), MarkingWording::kind(r.component)},
        {QStringLiteral("valore"), value ? QJsonValue(exact(*value)) : QJsonValue()},
        {QStringLiteral("unita"), unitKey(r.component)},
        {QStringLiteral("testo"), r.part ? QJsonValue(MarkingWording::value(r.part->value)) : QJsonValue()},
        {QStringLiteral("tolleranza"), toleranceJson(r)},
        {QStringLiteral("tensione"),
            r.capacitor && r.capacitor->voltage ? QJsonValue(exact(r.capacitor->voltage->volts)) : QJsonValue()},
        {QStringLiteral("dielettrico"), dielectricJson(r)}, {QStringLiteral("formato"), MarkingWording::format(r)},
        {QStringLiteral("fonte"), MarkingWording::source(r)}};
}

int run(const CommandArguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(
            arguments, QStringLiteral("marcatura vuole il testo stampato, per esempio velmora marcatura 2A473J"));
    std::optional<PartKind> asked;
    if (const std::optional<QString> named = arguments.value(QStringLiteral("--componente"))) {
        for (const auto &[name, kind] : Components)
            if (*named == QLatin1String(name))
                asked = kind;
        if (!asked)
            return refuseUsage(arguments,
                QStringLiteral("--componente vuole resistore, condensatore o induttore, e ha %1").arg(*named));
    }
    // The words as one marking: "104K 50V" may come quoted or not.
    const QString typed = arguments.words.join(u' ');
    if (typed.size() > qsizetype(MostCharacters))
        return refuseInput(arguments, Wording::tooLong());
    const MarkingReadings marking = readMarking(typed.toStdString(), asked);
    if (marking.readings.empty())
        return refuseInput(arguments, MarkingWording::refusal(marking, asked, typed));
    if (arguments.json) {
        QJsonArray readings;
        for (const MarkingReading &r : marking.readings)
            readings << json(r);
        const QString hint = MarkingWording::tellApart(marking);
        printJson(QJsonObject {{QStringLiteral("letture"), readings},
            {QStringLiteral("distinguere"), hint.isEmpty() ? QJsonValue() : QJsonValue(hint)}});
        return 0;
    }
    QStringList lines;
    for (const MarkingReading &r : marking.readings)
        lines << MarkingWording::line(r);
    const QString hint = MarkingWording::tellApart(marking);
    if (!hint.isEmpty())
        lines << hint;
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

} // namespace

TerminalCommand markingCommand()
{
    Completion components;
    for (const auto &[name, kind] : Components)
        components.values << QLatin1String(name);
    return {
        .name = QStringLiteral("marcatura"),
        .wordsName = QStringLiteral("TESTO..."),
        .help = {QStringLiteral("Ogni lettura di quanto è stampato su un componente, come"),
            QStringLiteral("resistore (codici SMD, 4K7), condensatore (104, 2A473J,"),
            QStringLiteral("X7R, 107C) o induttore (4R7, 101), con la tabella da cui"),
            QStringLiteral("viene. Esempio: velmora marcatura 104K 50V")},
        .options = {{.name = QStringLiteral("--componente"),
            .valueName = QStringLiteral("TIPO"),
            .help = {QStringLiteral("Con marcatura: solo le letture di quel componente,"),
                QStringLiteral("resistore, condensatore o induttore.")},
            .values = components}},
        .run = run,
    };
}

} // namespace Velmora
