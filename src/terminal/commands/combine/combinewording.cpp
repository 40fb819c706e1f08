#include "combinewording.h"

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

QString CombineWording::number(const Exact &value, const QString &unit)
{
    // Ohms as the value reader reads them back; volts and ratios plain,
    // never as a letter code.
    const Decimal magnitude = roundedDecimal(abs(value), ShownFigures);
    const QString text = unit == Wording::unit(Unit::Ohm) ? Wording::value(magnitude)
                                                          : QString::fromStdString(plainText(magnitude, point()));
    return value < 0 ? u'−' + text : text;
}

QString CombineWording::quantity(const Exact &value, const QString &unit)
{
    return (shownExactly(value) ? QString() : QStringLiteral("≈ ")) + number(value, unit) + u' ' + unit;
}

QString CombineWording::equalling(const Exact &value, const QString &unit)
{
    return (shownExactly(value) ? QStringLiteral("= ") : QString()) + quantity(value, unit);
}

QString CombineWording::error(const Exact &error, const Exact &asked, const QString &unit)
{
    const Exact percent = abs(error) * 100 / asked;
    const QString percentText = QString::fromStdString(plainText(roundedDecimal(percent, PercentFigures), point()));
    return tr("%1%2 %3 (%1%4%)").arg(signOf(error), number(abs(error), unit), unit, percentText);
}

QString CombineWording::limits(const Exact &lowest, const Exact &highest, const QString &unit)
{
    return tr("da %1 a %2 %3").arg(number(lowest, unit), number(highest, unit), unit);
}

QString CombineWording::network(Shape shape, const std::vector<Decimal> &parts)
{
    std::vector<std::string> texts;
    for (Decimal part : parts)
        texts.push_back(Wording::value(part).toStdString());
    return QString::fromStdString(networkText(shape, texts));
}

QString CombineWording::combinationLine(const Combination &combination, const Exact &target)
{
    const QString ohm = Wording::unit(Unit::Ohm);
    const QString asked = quantity(target, ohm);
    const QString made = network(combination.shape, combination.parts);
    const QString range = limits(combination.lowest, combination.highest, ohm);
    if (combination.exact())
        return tr("%1 = %2, esatto; con le tolleranze %3").arg(asked, made, range);
    // A part alone is its own value.
    const QString value = combination.parts.size() == 1 ? QString() : u' ' + equalling(combination.value, ohm);
    return tr("%1 ≈ %2%3, errore %4; con le tolleranze %5")
        .arg(asked, made, value, error(combination.error, target, ohm), range);
}

QString CombineWording::wantsValue()
{
    return tr("combina vuole un valore, per esempio velmora combina 9k");
}

QString CombineWording::zeroTarget()
{
    return tr("0 Ohm è un ponticello: nessuna rete di resistori lo fa.");
}

QString CombineWording::noParts()
{
    return tr("Non resta nessuna parte da usare: allargare --min e --max, togliere qualche --escludi oppure "
              "riempire il cassetto.");
}

QString CombineWording::noSuchSeries(const QString &typed)
{
    return tr("l'opzione --serie vuole una serie da E3 a E192 (E3, E6, E12, E24, E48, E96 o E192), non «%1»")
        .arg(typed);
}

QString CombineWording::mostPartsRefusal(const QString &typed, int least, int most)
{
    QStringList counts;
    for (int n = least; n <= most; ++n)
        counts << QString::number(n);
    return tr("l'opzione --parti vuole %1, non «%2»").arg(Wording::listed(counts, tr("o")), typed);
}

QString CombineWording::seriesWithDrawer()
{
    return tr("l'opzione --serie non vale con --cassetto: le parti sono quelle del cassetto");
}

QString CombineWording::optionRefusal(const QString &option, const QString &why)
{
    return tr("%1: %2").arg(option, why);
}

QString CombineWording::notPositive(const QString &option)
{
    return tr("%1: il valore deve essere maggiore di zero.").arg(option);
}

QString CombineWording::boundsCrossed(const QString &lowest, const QString &highest)
{
    return tr("Il valore di %1 supera quello di %2: nessun valore sta tra i due.").arg(lowest, highest);
}

QString CombineWording::drawerUnreadable(const QString &file, const QString &why)
{
    return tr("Il cassetto «%1» non si legge: %2.").arg(file, why);
}

QString CombineWording::missingFile()
{
    return tr("il file non esiste");
}

QString CombineWording::directory()
{
    return tr("è una cartella, non un file");
}

QString CombineWording::unreadableFile()
{
    return tr("il file non si può aprire in lettura");
}

QString CombineWording::fileTooLarge()
{
    return tr("il file è troppo grande per un cassetto");
}

QString CombineWording::drawerRefusal(const QString &file, const CsvReading &reading)
{
    const QString field = QString::fromStdString(reading.field);
    QString why;
    switch (reading.error) {
    case CsvError::None:
        break;
    case CsvError::NoHeader:
        why = tr("manca l'intestazione con la colonna del valore (valore, value, resistenza oppure ohm)");
        break;
    case CsvError::UnclosedQuote:
        why = tr("le virgolette aperte qui non si chiudono fino alla fine del file");
        break;
    case CsvError::MissingValue:
        why = tr("manca il valore");
        break;
    case CsvError::BadValue: {
        // Read again for the spellings an ambiguous value offers.
        ValueReading read = Wording::read(field);
        if (read.value || read.error == ReadError::None) {
            read = ValueReading();
            read.error = reading.valueError;
        }
        why = Wording::readRefusal(read, field);
        break;
    }
    case CsvError::ZeroValue:
        why = tr("0 Ohm è un ponticello, non un resistore");
        break;
    case CsvError::BadCount:
        why = tr("la quantità «%1» non è un numero intero da 1 a %2").arg(field).arg(MostOfOne);
        break;
    case CsvError::TooManyFields:
        why = tr("ha più campi delle colonne che l'intestazione nomina");
        break;
    }
    if (why.endsWith(u'.'))
        why.chop(1);
    if (reading.line < 1) // an empty file
        return tr("Il cassetto «%1»: %2.").arg(file, why);
    return tr("Il cassetto «%1», riga %2: %3.").arg(file).arg(reading.line).arg(why);
}

} // namespace Velmora
