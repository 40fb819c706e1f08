#include "resistance.h"

#include <algorithm>

namespace Velmora {

namespace {

// Two positive numbers, each its digits (no leading zero) × 10^exponent.
int compareDigits(std::string da, int exponentA, std::string db, int exponentB)
{
    const int magnitudeA = int(da.size()) + exponentA;
    const int magnitudeB = int(db.size()) + exponentB;
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB ? -1 : 1;
    // Same leading position: digit by digit.
    const std::size_t n = std::max(da.size(), db.size());
    da.resize(n, '0');
    db.resize(n, '0');
    return da.compare(db);
}

// The digits of n × factor, carried digit by digit, so no product overflows.
std::string timesDigits(std::int64_t n, std::int64_t factor)
{
    std::string digits = std::to_string(n);
    std::int64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const std::int64_t d = (*it - '0') * factor + carry;
        *it = char('0' + d % 10);
        carry = d / 10;
    }
    return carry > 0 ? std::to_string(carry) + digits : digits;
}

} // namespace

int compare(Resistance a, Resistance b)
{
    return compareScaled(a, 1, b);
}

int compareScaled(Resistance a, std::int64_t factor, Resistance b)
{
    a = normalised(a);
    b = normalised(b);
    if (a.significand == 0 || factor == 0 || b.significand == 0)
        return (a.significand > 0 && factor > 0) - (b.significand > 0);
    return compareDigits(timesDigits(a.significand, factor), a.exponent, std::to_string(b.significand), b.exponent);
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
