#include "partoptions.h"

#include "combinecommandwording.h"
#include "commandarguments.h"
#include "drawercsv.h"
#include "terminaloutput.h"
#include "wording.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace Velmora {

namespace {

constexpr Decimal LeastPart {1, 0};
constexpr Decimal MostPart {1, 7};
constexpr int DrawerTolerance = 500;
// Far beyond any drawer, and short of what would exhaust the memory.
constexpr qint64 MostDrawerBytes = 16 * 1024 * 1024;

} // namespace

std::optional<ESeries> seriesNamed(const QString &name)
{
    for (ESeries series : AllSeries)
        if (name.compare(QString::fromUtf8(seriesName(series)), Qt::CaseInsensitive) == 0)
            return series;
    return std::nullopt;
}

int readDrawerFile(const CommandArguments &arguments, const QString &file, Drawer &drawer)
{
    const QFileInfo info(file);
    QString why;
    if (!info.exists())
        why = CombineCommandWording::missingFile();
    else if (info.isDir())
        why = CombineCommandWording::directory();
    else if (info.size() > MostDrawerBytes)
        why = CombineCommandWording::fileTooLarge();
    QFile in(file);
    if (why.isEmpty() && !in.open(QIODevice::ReadOnly))
        why = CombineCommandWording::unreadableFile();
    if (!why.isEmpty())
        return refuseInput(arguments, CombineCommandWording::drawerUnreadable(file, why));
    const QByteArray text = in.read(MostDrawerBytes + 1);
    if (text.size() > MostDrawerBytes) // grown since it was measured
        return refuseInput(
            arguments, CombineCommandWording::drawerUnreadable(file, CombineCommandWording::fileTooLarge()));
    const CsvReading reading = readDrawerCsv(std::string_view(text.constData(), std::size_t(text.size())));
    if (reading.error != CsvError::None)
        return refuseInput(arguments, CombineCommandWording::drawerRefusal(file, reading));
    drawer = reading.drawer;
    return 0;
}

TerminalOption seriesOption()
{
    Completion names;
    for (ESeries series : AllSeries)
        names.values << QString::fromUtf8(seriesName(series));
    return {.name = QStringLiteral("--serie"),
        .valueName = QStringLiteral("EN"),
        .help = {QStringLiteral("Con combina e partitore: le parti di una serie, da E3"),
            QStringLiteral("a E192 (se manca, E24), alla sua tolleranza usuale;"),
            QStringLiteral("con etichette: i valori della serie da --da ad --a.")},
        .values = names};
}

TerminalOption mostPartsOption(const QStringList &offered)
{
    return {.name = QStringLiteral("--parti"),
        .valueName = QStringLiteral("N"),
        .help = {QStringLiteral("Con combina: al più N parti, da 1 a 4 (se manca, 3);"),
            QStringLiteral("con partitore: da 2 a 4 in tutto (se manca, 4).")},
        .values = {.values = offered}};
}

TerminalOption drawerOption()
{
    return {.name = QStringLiteral("--cassetto"),
        .valueName = QStringLiteral("FILE"),
        .help = {QStringLiteral("Con combina e partitore: solo le parti di un cassetto,"),
            QStringLiteral("un file CSV con le colonne valore e quantità, ognuna"),
            QStringLiteral("al 5%; non vale con --serie. Con etichette: i valori"), QStringLiteral("del cassetto.")}};
}

int readResistance(const CommandArguments &arguments, const QString &option, Decimal &value)
{
    const std::optional<QString> typed = arguments.value(option);
    if (!typed)
        return 0;
    const ValueReading read = Wording::read(*typed);
    if (!read.value)
        return refuseInput(arguments, CombineCommandWording::optionRefusal(option, Wording::readRefusal(read, *typed)));
    if (read.value->significand == 0)
        return refuseInput(arguments, CombineCommandWording::notPositive(option));
    value = *read.value;
    return 0;
}

int readMostParts(const CommandArguments &arguments, int least, int most, int &parts)
{
    const std::optional<QString> typed = arguments.value(u"--parti");
    if (!typed)
        return 0;
    bool isNumber = false;
    const int asked = typed->toInt(&isNumber);
    if (!isNumber || asked < least || asked > most || QString::number(asked) != *typed)
        return refuseUsage(arguments, CombineCommandWording::mostPartsRefusal(*typed, least, most));
    parts = asked;
    return 0;
}

int readPartSource(const CommandArguments &arguments, PartSource &source)
{
    const std::optional<QString> seriesTyped = arguments.value(u"--serie");
    const std::optional<QString> drawerFile = arguments.value(u"--cassetto");
    if (seriesTyped && drawerFile)
        return refuseUsage(arguments, CombineCommandWording::seriesWithDrawer());
    ESeries series = ESeries::E24;
    if (seriesTyped) {
        const std::optional<ESeries> named = seriesNamed(*seriesTyped);
        if (!named)
            return refuseUsage(arguments, CombineCommandWording::noSuchSeries(*seriesTyped));
        series = *named;
    }
    Decimal lowest = LeastPart;
    Decimal highest = MostPart;
    if (const int refused = readResistance(arguments, QStringLiteral("--min"), lowest))
        return refused;
    if (const int refused = readResistance(arguments, QStringLiteral("--max"), highest))
        return refused;
    if (compare(lowest, highest) > 0)
        return refuseInput(
            arguments, CombineCommandWording::boundsCrossed(QStringLiteral("--min"), QStringLiteral("--max")));
    std::vector<Decimal> excluded;
    for (const QString &typed : arguments.allValues(u"--escludi")) {
        const ValueReading read = Wording::read(typed);
        if (!read.value)
            return refuseInput(arguments,
                CombineCommandWording::optionRefusal(QStringLiteral("--escludi"), Wording::readRefusal(read, typed)));
        excluded.push_back(*read.value);
    }

    if (drawerFile) {
        Drawer drawer;
        if (const int refused = readDrawerFile(arguments, *drawerFile, drawer))
            return refused;
        source.clear();
        for (const DrawerLine &line : drawer.lines())
            if (compare(line.value, lowest) >= 0 && compare(line.value, highest) <= 0)
                source.push_back({line.value, line.count, DrawerTolerance});
    } else {
        source = seriesParts(series, lowest, highest, usualTolerance(series));
    }
    for (Decimal value : excluded)
        excludeValue(source, value);
    if (source.empty())
        return refuseInput(arguments, CombineCommandWording::noParts());
    return 0;
}

} // namespace Velmora
