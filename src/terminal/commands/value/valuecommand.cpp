#include "valuecommand.h"

#include "commandarguments.h"
#include "readingjson.h"
#include "schemeregistry.h"
#include "terminalcommand.h"
#include "terminaloutput.h"
#include "valuewording.h"
#include "wording.h"

#include <algorithm>
#include <set>

namespace Velmora {

namespace {

int run(const CommandArguments &arguments)
{
    if (arguments.words.isEmpty())
        return refuseUsage(arguments, QStringLiteral("valore vuole un valore, per esempio velmora valore 4K7"));
    const std::optional<QString> bands = arguments.value(u"--bande");
    const std::optional<QString> tolerance = arguments.value(u"--tolleranza");
    const std::optional<QString> ppm = arguments.value(u"--ppm");
    SchemeId id = SchemeId::FourBands;
    if (bands) {
        bool isNumber = false;
        const std::optional<SchemeId> asked = firstWithBands(bands->toInt(&isNumber));
        if (!isNumber || !asked || QString::number(bands->toInt()) != *bands)
            return refuseUsage(arguments, QStringLiteral("l'opzione --bande vuole 3, 4, 5 o 6, non %1").arg(*bands));
        id = *asked;
    }
    const BandScheme &scheme = bandScheme(id);
    if (ppm && scheme.bandOf(BandKind::TempCoefficient) == 0)
        return refuseUsage(arguments, QStringLiteral("l'opzione --ppm vale solo con --bande 6"));

    Reading base = withUsualParts(Reading {id});
    for (auto [kind, asked] :
        {std::pair {BandKind::Tolerance, tolerance}, std::pair {BandKind::TempCoefficient, ppm}}) {
        if (!asked)
            continue;
        bool isNumber = false;
        const std::optional<int> value = kind == BandKind::Tolerance ? hundredthsOfPercent(asked->toStdString())
                                                                     : std::optional(asked->toInt(&isNumber));
        if (kind == BandKind::Tolerance ? !value : !isNumber)
            return refuseUsage(arguments,
                kind == BandKind::Tolerance
                    ? QStringLiteral("l'opzione --tolleranza vuole una percentuale, per esempio 5 oppure 0,5, non «%1»")
                          .arg(*asked)
                    : QStringLiteral("l'opzione --ppm vuole un numero di ppm/K, per esempio 100, non «%1»")
                          .arg(*asked));
        const int band = scheme.bandOf(kind);
        if (band == 0) { // three bands: the tolerance the scheme implies, or none
            if (value != scheme.impliedTolerance)
                return refuseInput(arguments, ValueWording::missingRow(scheme, kind, *asked));
            continue;
        }
        const int row = rowOfValue(scheme, band, *value);
        if (row == NoRow)
            return refuseInput(arguments, ValueWording::missingRow(scheme, kind, *asked));
        base.setRow(band, row);
    }

    const QString typed = arguments.words.join(u' ');
    const ValueReading read = Wording::read(typed);
    if (!read.value)
        return refuseInput(arguments, Wording::readRefusal(read, typed));
    const BandChoice choice = bandsFor(base, *read.value);
    if (choice.refusal != BandRefusal::None)
        return refuseInput(arguments, ValueWording::bandRefusal(choice, *read.value));
    QStringList colours;
    for (int band = 1; band <= scheme.bandCount; ++band)
        colours << Wording::colour(*colourOf(choice.reading, band));
    return answer(arguments, choice.reading,
        colours.join(u' ') + u'\n' + ValueWording::standing(seriesStanding(choice.reading, *read.value)));
}

// What a scheme's band of a kind offers, smallest first, as the option takes
// it: "0,25", "100". Three bands offer the tolerance they imply.
QStringList offered(const BandScheme &scheme, BandKind kind)
{
    std::set<int> values;
    if (const int band = scheme.bandOf(kind); band != 0) {
        for (const SchemeRow &row : scheme.rows(band))
            values.insert(row.value);
    } else if (kind == BandKind::Tolerance && scheme.impliedTolerance) {
        values.insert(*scheme.impliedTolerance);
    }
    QStringList texts;
    for (int value : values)
        texts << (kind == BandKind::Tolerance ? QString::fromStdString(toleranceText(value, ",")).chopped(1)
                                              : QString::number(value));
    return texts;
}

QString bandCount(SchemeId id)
{
    return QString::number(bandScheme(id).bandCount);
}

} // namespace

TerminalCommand valueCommand()
{
    constexpr SchemeId Usual = SchemeId::FourBands; // without --bande
    Completion bandCounts;
    Completion tolerances {
        .values = offered(bandScheme(Usual), BandKind::Tolerance), .dependsOn = QStringLiteral("--bande")};
    for (int bands = 1; bands <= 6; ++bands) {
        const std::optional<SchemeId> id = firstWithBands(bands);
        if (!id)
            continue;
        bandCounts.values << bandCount(*id);
        if (*id != Usual)
            tolerances.byValue.emplace_back(bandCount(*id), offered(bandScheme(*id), BandKind::Tolerance));
    }
    return {
        .name = QStringLiteral("valore"),
        .wordsName = QStringLiteral("TESTO"),
        .help = {QStringLiteral("I colori di un valore e le sue serie E."),
            QStringLiteral("Esempio: velmora valore 4K7 --bande 5 --tolleranza 1")},
        .options = {{.name = QStringLiteral("--bande"),
                        .valueName = QStringLiteral("N"),
                        .help = {QStringLiteral("Con valore: 3, 4, 5 o 6 bande (se manca, 4).")},
                        .values = bandCounts},
            {.name = QStringLiteral("--tolleranza"),
                .valueName = QStringLiteral("P"),
                .help = {QStringLiteral("Con valore: la tolleranza in percento (se manca, 20 a"),
                    QStringLiteral("3 bande, 5 a 4, 1 a 5 e 6); con etichette: quella"),
                    QStringLiteral("scritta e dipinta sulle etichette (se manca, 5).")},
                .values = tolerances},
            {.name = QStringLiteral("--ppm"),
                .valueName = QStringLiteral("N"),
                .help = {QStringLiteral("Con valore e 6 bande: il coefficiente di temperatura"),
                    QStringLiteral("in ppm/K (se manca, 100).")},
                .values = {.values = offered(bandScheme(SchemeId::SixBands), BandKind::TempCoefficient)}}},
        .run = run,
    };
}

} // namespace Velmora
