#include "combinecommandwording.h"

#include "combinewording.h"
#include "drawerwording.h"

#include "wording.h"

#include <QStringList>

namespace Velmora {

namespace {

constexpr int ShownFigures = 6; // as Wording::quantity rounds a fraction
constexpr int PercentFigures = 3;

std::string point()
{
    return Wording::decimalPoint().toStdString();
}

bool shownExactly(const Exact &value)
{
    return exactOf(roundedDecimal(value, ShownFigures)) == value;
}

QString signOf(const Exact &value)
{
    return value < 0 ? QStringLiteral("−") : QStringLiteral("+");
}

} // namespace

QString CombineCommandWording::number(const Exact &value, const QString &unit)
{
    // Ohms as the value reader reads them back; volts and ratios plain,
    // never as a letter code.
    const Decimal magnitude = roundedDecimal(abs(value), ShownFigures);
    const QString text = unit == Wording::unit(Unit::Ohm) ? Wording::value(magnitude)
                                                          : QString::fromStdString(plainText(magnitude, point()));
    return value < 0 ? u'−' + text : text;
}

QString CombineCommandWording::quantity(const Exact &value, const QString &unit)
{
    return (shownExactly(value) ? QString() : QStringLiteral("≈ ")) + number(value, unit) + u' ' + unit;
}

QString CombineCommandWording::equalling(const Exact &value, const QString &unit)
{
    return (shownExactly(value) ? QStringLiteral("= ") : QString()) + quantity(value, unit);
}

QString CombineCommandWording::error(const Exact &error, const Exact &asked, const QString &unit)
{
    const Exact percent = abs(error) * 100 / asked;
    const QString percentText = QString::fromStdString(plainText(roundedDecimal(percent, PercentFigures), point()));
    return tr("%1%2 %3 (%1%4%)").arg(signOf(error), number(abs(error), unit), unit, percentText);
}

QString CombineCommandWording::limits(const Exact &lowest, const Exact &highest, const QString &unit)
{
    return tr("da %1 a %2 %3").arg(number(lowest, unit), number(highest, unit), unit);
}

QString CombineCommandWording::combinationLine(const Combination &combination, const Exact &target)
{
    const QString ohm = Wording::unit(Unit::Ohm);
    const QString asked = quantity(target, ohm);
    const QString made = CombineWording::network(combination.shape, combination.parts);
    const QString range = limits(combination.lowest, combination.highest, ohm);
    if (combination.exact())
        return tr("%1 = %2, esatto; con le tolleranze %3").arg(asked, made, range);
    // A part alone is its own value.
    const QString value = combination.parts.size() == 1 ? QString() : u' ' + equalling(combination.value, ohm);
    return tr("%1 ≈ %2%3, errore %4; con le tolleranze %5")
        .arg(asked, made, value, error(combination.error, target, ohm), range);
}

QString CombineCommandWording::wantsValue()
{
    return tr("combina vuole un valore, per esempio velmora combina 9k");
}

QString CombineCommandWording::zeroTarget()
{
    return tr("0 Ohm è un ponticello: nessuna rete di resistori lo fa.");
}

QString CombineCommandWording::noParts()
{
    return tr("Non resta nessuna parte da usare: allargare --min e --max, togliere qualche --escludi oppure "
              "riempire il cassetto.");
}

QString CombineCommandWording::noSuchSeries(const QString &typed)
{
    return tr("l'opzione --serie vuole una serie da E3 a E192 (E3, E6, E12, E24, E48, E96 o E192), non «%1»")
        .arg(typed);
}

QString CombineCommandWording::mostPartsRefusal(const QString &typed, int least, int most)
{
    QStringList counts;
    for (int n = least; n <= most; ++n)
        counts << QString::number(n);
    return tr("l'opzione --parti vuole %1, non «%2»").arg(Wording::listed(counts, tr("o")), typed);
}

QString CombineCommandWording::seriesWithDrawer()
{
    return tr("l'opzione --serie non vale con --cassetto: le parti sono quelle del cassetto");
}

QString CombineCommandWording::optionRefusal(const QString &option, const QString &why)
{
    return tr("%1: %2").arg(option, why);
}

QString CombineCommandWording::notPositive(const QString &option)
{
    return tr("%1: il valore deve essere maggiore di zero.").arg(option);
}

QString CombineCommandWording::boundsCrossed(const QString &lowest, const QString &highest)
{
    return tr("Il valore di %1 supera quello di %2: nessun valore sta tra i due.").arg(lowest, highest);
}

QString CombineCommandWording::drawerUnreadable(const QString &file, const QString &why)
{
    return tr("Il cassetto «%1» non si legge: %2.").arg(file, why);
}

QString CombineCommandWording::missingFile()
{
    return tr("il file non esiste");
}

QString CombineCommandWording::directory()
{
    return tr("è una cartella, non un file");
}

QString CombineCommandWording::unreadableFile()
{
    return tr("il file non si può aprire in lettura");
}

QString CombineCommandWording::fileTooLarge()
{
    return tr("il file è troppo grande per un cassetto");
}

QString CombineCommandWording::drawerRefusal(const QString &file, const CsvReading &reading)
{
    // "Riga 3: …" as the drawer's window says it, after the file's name.
    QString why = DrawerWording::csvRefusal(reading);
    if (!why.isEmpty())
        why[0] = why[0].toLower();
    return tr("Il cassetto «%1», %2").arg(file, why);
}

} // namespace Velmora
