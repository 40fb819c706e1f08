#include "resistance.h"

namespace Velmora {

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
