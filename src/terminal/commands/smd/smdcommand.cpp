#include "smdcommand.h"

#include "commandarguments.h"
#include "readingjson.h"
#include "smdwording.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QJsonArray>

#include <array>
#include <vector>

namespace Velmora {

namespace {

// The format as scripts compare it: short, and never reworded.
QString formatKey(SmdFormat format)
{
    constexpr std::array<const char *, 6> keys {"ponticello", "3cifre", "4cifre", "R", "L", "EIA-96"};
    return QLatin1String(keys.at(std::size_t(format)));
}

// Not a code but a value, as the SMD window reads one: the codes it takes.
int smdMarkingsOf(const CommandArguments &arguments, const SmdCode &code, const QString &typed)
{
    const ValueReading read = Wording::read(typed);
    if (!read.value) {
        const bool meantAsValue = read.error != ReadError::Malformed && read.error != ReadError::Empty;
        return refuseInput(
            arguments, meantAsValue ? Wording::readRefusal(read, typed) : SmdWording::refusal(code, typed));
    }
    const std::vector<SmdMarking> markings = smdMarkings(*read.value);
    if (markings.empty())
        return refuseInput(arguments, SmdWording::markings(*read.value, markings));
    if (arguments.json) {
        QJsonArray codes;
        for (const SmdMarking &m : markings)
            codes << QJsonObject {{QStringLiteral("codice"), QString::fromStdString(m.text)},
                {QStringLiteral("formato"), formatKey(m.format)}};
        printJson(QJsonObject {{QStringLiteral("ohm"), exact(*read.value)}, {QStringLiteral("marcature"), codes},
            {QStringLiteral("parte"), json(*partOf(read, typed.toStdString()))}});
    } else {
        print(stdout, SmdWording::markings(*read.value, markings) + u'\n');
    }
    return 0;
}

int run(const CommandArguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(arguments, QStringLiteral("smd vuole un codice, per esempio velmora smd 472"));
    if (arguments.words.size() > 1)
        return refuseUsage(arguments,
            QStringLiteral("smd vuole un codice solo, e ne ha %1: per esempio velmora smd 472")
                .arg(arguments.words.size()));
    const QString &typed = arguments.words.constFirst();
    if (typed.size() > qsizetype(MostCharacters))
        return refuseInput(arguments, Wording::tooLong());
    const SmdCode code = readSmdCode(typed.toStdString());
    if (code.readings.empty())
        return smdMarkingsOf(arguments, code, typed);
    if (arguments.json) {
        QJsonArray readings;
        for (const SmdReading &r : code.readings)
            readings << QJsonObject {{QStringLiteral("ohm"), exact(r.value)},
                {QStringLiteral("formato"), formatKey(r.format)},
                {QStringLiteral("tolleranza"), r.tolerance ? QJsonValue(exact({*r.tolerance, -2})) : QJsonValue()},
                {QStringLiteral("tolleranza_usuale"),
                    r.usualTolerance ? QJsonValue(exact({*r.usualTolerance, -2})) : QJsonValue()},
                {QStringLiteral("fonte"),
                    r.format != SmdFormat::Eia96
                        ? QJsonValue()
                        : QJsonValue(r.oneMaker ? QStringLiteral("produttore") : QStringLiteral("comune"))},
                {QStringLiteral("parte"), json(partOf(r, typed.toStdString()))}};
        printJson(QJsonObject {{QStringLiteral("letture"), readings}});
        return 0;
    }
    QStringList lines;
    for (const SmdReading &r : code.readings)
        lines << SmdWording::readingLine(code, r);
    print(stdout, lines.join(u'\n') + u'\n');
    return 0;
}

} // namespace

TerminalCommand smdCommand()
{
    return {
        .name = QStringLiteral("smd"),
        .wordsName = QStringLiteral("CODICE"),
        .help = {QStringLiteral("Il valore di un resistore SMD dal codice stampato: 3 o 4"),
            QStringLiteral("cifre, R o L al posto della virgola, EIA-96; ogni"),
            QStringLiteral("lettura se il codice ne ha più d'una."), QStringLiteral("Esempio: velmora smd 01C")},
        .run = run,
    };
}

} // namespace Velmora
