#include "combinewording.h"

#include "wording.h"

#include <string>
#include <vector>

namespace Velmora {

namespace {

constexpr int ValueFigures = 6;
constexpr int PercentFigures = 3;
constexpr int RatioFigures = 6;
constexpr int VoltFigures = 5;
constexpr int CurrentFigures = 3;

// |value| to so many figures, in the locale's plain digits.
QString figures(const Exact &value, int significantFigures)
{
    const Decimal r = roundedDecimal(abs(value), significantFigures);
    return QString::fromStdString(plainText(r, Wording::decimalPoint().toStdString()));
}

QString sign(const Exact &value)
{
    return value < 0 ? QStringLiteral("−") : QStringLiteral("+");
}

// A value in ohms to six figures, as the windows write values: "4700".
QString ohmsFigures(const Exact &value)
{
    return Wording::value(roundedDecimal(abs(value), ValueFigures));
}

QString percentOf(const Exact &error, const Exact &of)
{
    const Exact percent = error * 100 / of;
    return sign(percent) + figures(percent, PercentFigures) + u'%';
}

QString amps(const Exact &current)
{
    if (current >= 1)
        return figures(current, CurrentFigures) + QStringLiteral(" A");
    if (current * 1000 >= 1)
        return figures(current * 1000, CurrentFigures) + QStringLiteral(" mA");
    return figures(current * 1000000, CurrentFigures) + QStringLiteral(" µA");
}

QString partCount(int n)
{
    return n == 1 ? CombineWording::tr("1 parte") : CombineWording::tr("%1 parti").arg(n);
}

QString limits(const Exact &lowest, const Exact &highest)
{
    return CombineWording::tr("da %1 a %2 Ohm").arg(ohmsFigures(lowest), ohmsFigures(highest));
}

QString tolerance(int hundredthsOfPercent)
{
    return Wording::tolerance(plusMinus(hundredthsOfPercent));
}

QString words(std::span<const NetworkNode> tree, int index, std::span<const Decimal> parts, bool inner)
{
    const NetworkNode &node = tree[std::size_t(index)];
    if (node.kind == NetworkNode::Kind::Part)
        return Wording::value(parts[std::size_t(node.part)]) + QStringLiteral(" Ohm");
    QStringList branches;
    for (int i = 0; i < node.childCount; ++i)
        branches << words(tree, node.children[std::size_t(i)], parts, true);
    const QString joined
        = branches.join(node.kind == NetworkNode::Kind::Series ? CombineWording::tr(" in serie con ")
                                                               : CombineWording::tr(" in parallelo con "));
    return inner ? u'(' + joined + u')' : joined;
}

} // namespace

QString CombineWording::ohms(const Exact &value)
{
    const Decimal r = roundedDecimal(value, ValueFigures);
    const QString text = Wording::value(r) + QStringLiteral(" Ohm");
    return exactOf(r) == value ? text : QStringLiteral("≈ ") + text;
}

QString CombineWording::network(Shape shape, std::span<const Decimal> parts)
{
    std::vector<std::string> texts;
    for (Decimal part : parts)
        texts.push_back(Wording::value(part).toStdString());
    return QString::fromStdString(networkText(shape, texts));
}

QString CombineWording::inWords(Shape shape, std::span<const Decimal> parts)
{
    return words(networkTree(shape), 0, parts, false);
}

QString CombineWording::title(const Combination &c)
{
    return partCount(int(c.parts.size())) + QStringLiteral(": ") + network(c.shape, c.parts);
}

QString CombineWording::details(const Combination &c, const Exact &target, int hundredthsOfPercent)
{
    const QString reached = c.exact()
        ? tr("%1, esatto.").arg(ohms(c.value))
        : tr("%1, errore %2 Ohm (%3).")
              .arg(ohms(c.value), sign(c.error) + ohmsFigures(c.error), percentOf(c.error, target));
    return reached + u' '
        + tr("Con le tolleranze (%1) %2.").arg(tolerance(hundredthsOfPercent), limits(c.lowest, c.highest));
}

QString CombineWording::title(const Divider &d)
{
    return partCount(d.partCount())
        + tr(": sopra %1, sotto %2").arg(network(d.upper.shape, d.upper.parts), network(d.lower.shape, d.lower.parts));
}

QString CombineWording::details(const Divider &d, const Exact &asked, const Exact &vin, int hundredthsOfPercent)
{
    const QString ratio = d.error == 0
        ? tr("Rapporto %1, esatto").arg(figures(d.ratio, RatioFigures))
        : tr("Rapporto %1 (errore %2)").arg(figures(d.ratio, RatioFigures), percentOf(d.error, asked));
    const QString output
        = tr("%1 V in uscita da %2 V, %3 su %4 in tutto.")
              .arg(figures(vin * d.ratio, VoltFigures), figures(vin, VoltFigures), amps(vin / d.total), ohms(d.total));
    const QString range = tr("Con le tolleranze (%1): uscita da %2 a %3 V, sopra %4, sotto %5.")
                              .arg(tolerance(hundredthsOfPercent), figures(vin * d.ratioLowest, VoltFigures),
                                  figures(vin * d.ratioHighest, VoltFigures), limits(d.upper.lowest, d.upper.highest),
                                  limits(d.lower.lowest, d.lower.highest));
    return ratio + QStringLiteral(": ") + output + u' ' + range;
}

QString CombineWording::dividerInWords(const Divider &d)
{
    return tr("sopra %1; sotto %2").arg(inWords(d.upper.shape, d.upper.parts), inWords(d.lower.shape, d.lower.parts));
}

QString CombineWording::searching()
{
    return tr("Ricerca…");
}

QString CombineWording::nothingFound()
{
    return tr("Nessuna parte della serie cade tra i valori scelti.");
}

QString CombineWording::nothingWithinTotal()
{
    return tr("Nessun partitore di queste parti ha il totale tra i valori scelti.");
}

QString CombineWording::emptyDrawer()
{
    return tr("Il cassetto è vuoto: aggiungere le parti da File → Il mio cassetto…");
}

QString CombineWording::zeroTarget()
{
    return tr("Nessuna rete di resistori fa 0 Ohm: basta un ponticello.");
}

QString CombineWording::inField(const QString &field, const QString &refusal)
{
    return tr("%1 %2").arg(QString(field).remove(u'&'), refusal);
}

QString CombineWording::notPositive()
{
    return tr("Il valore deve essere sopra 0 Ohm.");
}

QString CombineWording::notVoltage(const QString &typed)
{
    return tr("«%1» non è una tensione: scrivere per esempio 5 oppure %2 V.")
        .arg(typed, QLatin1Char('3') + Wording::decimalPoint() + QLatin1Char('3'));
}

QString CombineWording::vinNotPositive()
{
    return tr("La tensione in ingresso deve essere sopra 0 V.");
}

QString CombineWording::voutNotBelowVin()
{
    return tr("La tensione in uscita di un partitore sta tra 0 V e quella in ingresso, esclusi.");
}

QString CombineWording::rangeReversed()
{
    return tr("Il valore più basso delle parti supera il più alto.");
}

QString CombineWording::totalReversed()
{
    return tr("Il totale minimo supera il massimo.");
}

QString CombineWording::noBands(Decimal value)
{
    return tr("%1 Ohm, che le bande di questa finestra non scrivono").arg(Wording::value(value));
}

} // namespace Velmora
