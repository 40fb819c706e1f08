#include "bandscheme.h"

#include "schemetables.h"

namespace Velmora {

int BandScheme::bandOf(BandKind wanted) const
{
    for (int band = 1; band <= bandCount; ++band)
        if (kind(band) == wanted)
            return band;
    return 0;
}

const BandScheme &bandScheme(int bandCount)
{
    switch (bandCount) {
    case 5:
        return SchemeTables::FiveBands;
    case 6:
        return SchemeTables::SixBands;
    default:
        return SchemeTables::FourBands;
    }
}

std::optional<Resistance> resistanceOf(const BandScheme &scheme, std::span<const int> rows)
{
    Resistance r;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        const BandKind kind = scheme.kind(band);
        if (kind != BandKind::Digit && kind != BandKind::Multiplier)
            continue;
        const auto list = scheme.rows(band);
        const std::size_t i = std::size_t(band - 1);
        if (i >= rows.size() || rows[i] < 0 || std::size_t(rows[i]) >= list.size())
            return std::nullopt;
        const int value = list[std::size_t(rows[i])].value;
        if (kind == BandKind::Digit)
            r.significand = r.significand * 10 + value;
        else
            r.exponent = value;
    }
    return r;
}

std::string toleranceText(int hundredthsOfPercent, std::string_view decimalPoint)
{
    return plainText(Resistance {hundredthsOfPercent, -2}, decimalPoint) + "%";
}

} // namespace Velmora
