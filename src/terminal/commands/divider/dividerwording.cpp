#include "dividerwording.h"

#include "combinewording.h"

#include "combinecommandwording.h"
#include "wording.h"

namespace Velmora {

namespace {

QString ratioText(const Exact &ratio)
{
    return QString::fromStdString(fractionText(ratio)) + u' ' + CombineCommandWording::equalling(ratio, QString()).trimmed();
}

} // namespace

QString DividerWording::dividerLines(const Divider &d, const Exact &asked, const std::optional<Exact> &vin)
{
    const QString ohm = Wording::unit(Unit::Ohm);
    QString text
        = tr("%1 parti: sopra %2, sotto %3, totale %4\n")
              .arg(QString::number(d.partCount()), CombineWording::network(d.upper.shape, d.upper.parts),
                  CombineWording::network(d.lower.shape, d.lower.parts), CombineCommandWording::quantity(d.total, ohm));
    QString reached = d.error == 0
        ? tr("rapporto %1, esatto").arg(QString::fromStdString(fractionText(d.ratio)))
        : tr("rapporto %1, errore %2").arg(ratioText(d.ratio), CombineCommandWording::error(d.error, asked, QString()));
    reached.replace(QStringLiteral("  "), QStringLiteral(" "));
    if (vin) {
        const Exact milliamps = *vin * 1000 / d.total;
        reached += tr("; Vout %1, corrente %2")
                       .arg(CombineCommandWording::equalling(*vin * d.ratio, QStringLiteral("V")),
                           CombineCommandWording::equalling(milliamps, QStringLiteral("mA")));
    }
    text += QStringLiteral("  ") + reached + u'\n';
    text += tr("  con le tolleranze: sopra %1, sotto %2, rapporto %3\n")
                .arg(CombineCommandWording::limits(d.upper.lowest, d.upper.highest, ohm),
                    CombineCommandWording::limits(d.lower.lowest, d.lower.highest, ohm),
                    CombineCommandWording::limits(d.ratioLowest, d.ratioHighest, QString()).trimmed());
    return text;
}

QString DividerWording::wantsRatio()
{
    return tr("partitore vuole un rapporto (per esempio 0,66 oppure 2/3) oppure --vin e --vout");
}

QString DividerWording::ratioTwice()
{
    return tr("partitore vuole il rapporto oppure --vin e --vout, non tutti e due");
}

QString DividerWording::voutWithoutVin()
{
    return tr("l'opzione --vout vale solo con --vin");
}

QString DividerWording::oneRatio(int words)
{
    return tr("partitore vuole un rapporto solo, e ne ha %1: per esempio velmora partitore 2/3").arg(words);
}

QString DividerWording::badRatio(const QString &typed)
{
    return tr("«%1» non è un rapporto: scrivere un numero tra 0 e 1, per esempio %2, oppure una frazione come 2/3.")
        .arg(typed, u'0' + Wording::decimalPoint() + QStringLiteral("66"));
}

QString DividerWording::ratioOutOfRange()
{
    return tr("Il rapporto Vout/Vin di un partitore sta tra 0 e 1, esclusi.");
}

QString DividerWording::badVoltage(const QString &option, const QString &typed)
{
    return tr("l'opzione %1 vuole una tensione in volt, per esempio %2, non «%3»")
        .arg(option, u'3' + Wording::decimalPoint() + u'3', typed);
}

QString DividerWording::ambiguousVoltage(const QString &option, const QString &typed)
{
    return tr("l'opzione %1: «%2» è ambiguo, il separatore può essere decimale o delle migliaia; scrivere la "
              "tensione senza separatore delle migliaia")
        .arg(option, typed);
}

QString DividerWording::voutNotBelowVin()
{
    return tr("Vout deve essere minore di Vin, e maggiore di zero: un partitore di resistori non alza la tensione.");
}

QString DividerWording::nothingInTotal()
{
    return tr("Nessun partitore di queste parti ha il totale tra --totale-min e --totale-max.");
}

} // namespace Velmora
