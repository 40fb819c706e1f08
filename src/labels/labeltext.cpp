#include "labeltext.h"

#include "bandscheme.h"
#include "lettercode.h"
#include "reading.h"
#include "smdcode.h"
#include "valuebands.h"
#include "wording.h"

#include <QStringList>

namespace Velmora {

namespace {

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The colours that spell the value in a scheme, its tolerance band at the
// given tolerance; none where the scheme cannot.
std::vector<Colour> bandsOf(SchemeId id, Decimal ohms, int toleranceHundredths)
{
    const BandScheme &scheme = bandScheme(id);
    const int toleranceBand = scheme.bandOf(BandKind::Tolerance);
    Reading base;
    base.scheme = id;
    if (toleranceBand == 0) {
        // Three bands: only the tolerance their missing band stands for.
        if (scheme.impliedTolerance != toleranceHundredths)
            return {};
    } else {
        const int row = rowOfValue(scheme, toleranceBand, toleranceHundredths);
        if (row < 0)
            return {};
        base.setRow(toleranceBand, row);
    }
    const BandChoice choice = bandsFor(base, ohms);
    if (choice.refusal != BandRefusal::None)
        return {};
    std::vector<Colour> colours;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        const std::optional<Colour> colour = colourOf(choice.reading, band);
        if (!colour)
            return {};
        colours.push_back(*colour);
    }
    return colours;
}

QString names(const std::vector<Colour> &colours)
{
    QStringList words;
    for (Colour c : colours)
        words << Wording::colour(c);
    return words.join(QLatin1Char(' '));
}

} // namespace

LabelText LabelText::of(Decimal ohms, int toleranceHundredths)
{
    LabelText text;
    text.code = utf8(letterCode(ohms));
    const PrefixedValue prefixed = prefixedValue(ohms, Wording::decimalPoint().toStdString());
    text.value = tr("%1 %2Ω").arg(utf8(prefixed.number), utf8(prefixed.prefix));
    text.tolerance = QStringLiteral("± ") + Wording::tolerance(toleranceHundredths);
    text.fourBands = bandsOf(SchemeId::FourBandsFullCode, ohms, toleranceHundredths);
    // ± 20 % has no colour: such a part carries three bands.
    if (text.fourBands.empty())
        text.fourBands = bandsOf(SchemeId::ThreeBands, ohms, toleranceHundredths);
    text.fiveBands = bandsOf(SchemeId::FiveBands, ohms, toleranceHundredths);
    text.fourNames = names(text.fourBands);
    text.fiveNames = names(text.fiveBands);
    // The codes an SMD part of the value carries: the digit codes (with R
    // below 10 Ω) and EIA-96; a jumper or milliohms have no bag of their own.
    QStringList codes;
    for (const SmdMarking &marking : smdMarkings(ohms)) {
        if (marking.format == SmdFormat::ThreeDigits || marking.format == SmdFormat::FourDigits
            || marking.format == SmdFormat::RNotation || marking.format == SmdFormat::Eia96)
            codes << utf8(marking.text);
    }
    codes.removeDuplicates();
    if (!codes.isEmpty())
        text.smd = tr("SMD %1").arg(codes.join(QLatin1Char(' ')));
    return text;
}

} // namespace Velmora
