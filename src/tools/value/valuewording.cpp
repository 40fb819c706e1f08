#include "valuewording.h"

#include "schemeregistry.h"

#include "wording.h"

#include <QStringList>

#include <algorithm>

namespace Velmora {

namespace {

// "4 bande", "4 bande, codice completo": a window by its scheme's name.
QString nameOf(SchemeId scheme)
{
    const std::string_view name = schemeEntry(scheme).name;
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

} // namespace

QString ValueWording::placeholder()
{
    return tr("4K7, 0R22, %1 kΩ, 470 Ohm").arg(QLatin1Char('4') + Wording::decimalPoint() + QLatin1Char('7'));
}

QString ValueWording::bandRefusal(const BandChoice &choice, Decimal r)
{
    const QString window = nameOf(choice.reading.scheme);
    QString text;
    switch (choice.refusal) {
    case BandRefusal::None:
        return QString();
    case BandRefusal::Zero:
        return tr("Un ponticello da 0 Ohm porta una sola banda nera, che le finestre di Velmora non mostrano.");
    case BandRefusal::TooManyDigits:
        text = tr("%1 Ohm ha %2 cifre significative: la finestra a %3 ne mostra %4.")
                   .arg(Wording::value(r))
                   .arg(choice.digits)
                   .arg(window)
                   .arg(choice.schemeDigits);
        break;
    case BandRefusal::OutOfRange:
        text = tr("%1 Ohm è fuori portata: la finestra a %2 mostra da %3 a %4 Ohm.")
                   .arg(Wording::value(r), window)
                   .arg(Wording::value(choice.lowest), Wording::value(choice.highest));
        break;
    case BandRefusal::LeadingZero:
        text = tr("Per %1 Ohm la finestra a %2 vorrebbe una prima banda nera, che nessun resistore porta: la "
                  "prima cifra non è mai zero. Mostra da %3 a %4 Ohm.")
                   .arg(Wording::value(r), window)
                   .arg(Wording::value(choice.lowest), Wording::value(choice.highest));
        break;
    }
    if (choice.otherScheme)
        text += u' ' + tr("Quella a %1 lo mostra.").arg(nameOf(*choice.otherScheme));
    else if (choice.refusal == BandRefusal::TooManyDigits)
        text += u' ' + tr("Nessuna finestra di Velmora ne mostra di più.");
    return text;
}

QString ValueWording::moreBandsButton(SchemeId scheme)
{
    return tr("&Passa a %1").arg(nameOf(scheme));
}

QString ValueWording::nearestButton(Decimal r)
{
    return tr("%1 Ohm").arg(Wording::value(r));
}

QString ValueWording::nearestName(bool above, Decimal r)
{
    return (above ? tr("Valore normalizzato superiore: %1") : tr("Valore normalizzato inferiore: %1"))
        .arg(nearestButton(r));
}

QString ValueWording::standing(const SeriesStanding &standing)
{
    if (!standing.series.empty())
        return Wording::seriesList(standing.series);
    QStringList nearest;
    for (const auto &r : {standing.below, standing.above})
        if (r)
            nearest << nearestButton(*r);
    if (nearest.isEmpty())
        return Wording::notStandard(std::nullopt);
    return Wording::notStandard(standing.nearestFrom) + u' ' + Wording::listed(nearest, tr("e"));
}

QString ValueWording::missingRow(const BandScheme &scheme, BandKind kind, const QString &typed)
{
    QStringList offered;
    if (kind == BandKind::Tolerance) {
        for (int row : tolerancesFinestFirst(scheme))
            offered << Wording::tolerance(scheme.rows(scheme.bandOf(kind))[std::size_t(row)].value);
        if (scheme.impliedTolerance)
            offered << Wording::tolerance(*scheme.impliedTolerance);
        offered.removeDuplicates();
        return tr("La finestra a %1 non offre la tolleranza «%2»: offre %3.")
            .arg(nameOf(scheme.id), typed, Wording::listed(offered, tr("e")));
    }
    std::vector<int> coefficients;
    for (const SchemeRow &row : scheme.rows(scheme.bandOf(kind)))
        coefficients.push_back(row.value);
    std::sort(coefficients.begin(), coefficients.end());
    for (int c : coefficients)
        offered << QString::number(c);
    return tr("La finestra a %1 non offre il coefficiente «%2»: offre %3 ppm/K.")
        .arg(nameOf(scheme.id), typed, Wording::listed(offered, tr("e")));
}

} // namespace Velmora
