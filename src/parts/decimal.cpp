#include "decimal.h"

#include <algorithm>

namespace Velmora {

std::string timesDigits(std::int64_t n, std::int64_t factor)
{
    // Nine times the largest factor and a carry below it fit in 128 bits.
    __extension__ using Wide = __int128;
    std::string digits = std::to_string(n);
    Wide carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const Wide d = Wide(*it - '0') * factor + carry;
        *it = char('0' + int(d % 10));
        carry = d / 10;
    }
    std::string high;
    for (; carry > 0; carry /= 10)
        high.insert(high.begin(), char('0' + int(carry % 10)));
    return high + digits;
}

int compareDigits(std::string_view a, int exponentA, std::string_view b, int exponentB)
{
    const int magnitudeA = int(a.size()) + exponentA;
    const int magnitudeB = int(b.size()) + exponentB;
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB ? -1 : 1;
    // Same leading position: digit by digit, the shorter as if zero-padded.
    std::string da(a), db(b);
    const std::size_t n = std::max(da.size(), db.size());
    da.resize(n, '0');
    db.resize(n, '0');
    const int order = da.compare(db);
    return (order > 0) - (order < 0);
}

int compare(Decimal a, Decimal b)
{
    return compareScaled(a, 1, b);
}

int compareScaled(Decimal a, std::int64_t factor, Decimal b)
{
    a = normalised(a);
    b = normalised(b);
    if (a.significand == 0 || factor == 0 || b.significand == 0)
        return (a.significand > 0 && factor > 0) - (b.significand > 0);
    return compareDigits(timesDigits(a.significand, factor), a.exponent, std::to_string(b.significand), b.exponent);
}

int significantDigits(Decimal r)
{
    return int(std::to_string(normalised(r).significand).size());
}

std::string plainText(Decimal r, std::string_view decimalPoint)
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
