#include "bandscheme.h"

#include <algorithm>

namespace Velmora {

int BandScheme::bandOf(BandKind wanted) const
{
    for (int band = 1; band <= bandCount; ++band)
        if (kind(band) == wanted)
            return band;
    return 0;
}

int BandScheme::digitCount() const
{
    int digits = 0;
    for (int band = 1; band <= bandCount; ++band)
        digits += kind(band) == BandKind::Digit ? 1 : 0;
    return digits;
}

namespace {

template<typename Matches> int firstRow(const BandScheme &scheme, int band, Matches matches)
{
    if (band < 1 || band > scheme.bandCount)
        return -1;
    const auto rows = scheme.rows(band);
    const auto it = std::find_if(rows.begin(), rows.end(), matches);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

} // namespace

int rowOfColour(const BandScheme &scheme, int band, Colour colour)
{
    return firstRow(scheme, band, [colour](const SchemeRow &r) { return r.colour == colour; });
}

int rowOfValue(const BandScheme &scheme, int band, int value)
{
    return firstRow(scheme, band, [value](const SchemeRow &r) { return r.value == value; });
}

std::vector<int> tolerancesFinestFirst(const BandScheme &scheme)
{
    std::vector<int> order;
    const int band = scheme.bandOf(BandKind::Tolerance);
    if (band == 0)
        return order;
    const auto rows = scheme.rows(band);
    for (int i = 0; i < int(rows.size()); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
        [rows](int a, int b) { return rows[std::size_t(a)].value < rows[std::size_t(b)].value; });
    return order;
}

std::string toleranceText(int hundredthsOfPercent, std::string_view decimalPoint)
{
    return plainText(Decimal {hundredthsOfPercent, -2}, decimalPoint) + "%";
}

} // namespace Velmora
