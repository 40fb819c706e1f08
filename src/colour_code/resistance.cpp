#include "resistance.h"

#include <algorithm>

namespace Velmora {

int compare(Resistance a, Resistance b)
{
    a = normalised(a);
    b = normalised(b);
    if (a.significand == 0 || b.significand == 0)
        return (a.significand > 0) - (b.significand > 0);
    std::string da = std::to_string(a.significand);
    std::string db = std::to_string(b.significand);
    const int magnitudeA = int(da.size()) + a.exponent;
    const int magnitudeB = int(db.size()) + b.exponent;
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB ? -1 : 1;
    // Same leading position: digit by digit.
    const std::size_t n = std::max(da.size(), db.size());
    da.resize(n, '0');
    db.resize(n, '0');
    return da.compare(db);
}

int significantDigits(Resistance r)
{
    return int(std::to_string(normalised(r).significand).size());
}

std::string plainText(Resistance r, std::string_view decimalPoint)
{
    r = normalised(r);
    std::string digits = std::to_string(r.significand);
    if (r.significand == 0)
        return digits;
    if (r.exponent >= 0)
        return digits + std::string(std::size_t(r.exponent), '0');

    const auto fractionDigits = std::size_t(-r.exponent);
    if (digits.size() <= fractionDigits)
        digits.insert(0, fractionDigits - digits.size() + 1, '0');
    const std::size_t point = digits.size() - fractionDigits;
    return digits.substr(0, point) + std::string(decimalPoint) + digits.substr(point);
}

} // namespace Velmora
