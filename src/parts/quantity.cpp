#include "quantity.h"

#include <numeric>

namespace Velmora {

std::string_view unitSymbol(Unit unit)
{
    switch (unit) {
    case Unit::Farad:
        return "F";
    case Unit::Henry:
        return "H";
    case Unit::Ohm:
        break;
    }
    return "Ω";
}

Quantity reduced(Quantity q)
{
    q.numerator = normalised(q.numerator);
    if (q.numerator.significand == 0)
        return {q.unit, {}, 1};
    const std::int64_t common = std::gcd(q.numerator.significand, q.denominator);
    q.numerator.significand /= common;
    q.denominator /= common;
    // A denominator of twos and fives is a power of ten in disguise.
    while (q.denominator % 2 == 0 && q.numerator.significand <= INT64_MAX / 5) {
        q.denominator /= 2;
        q.numerator.significand *= 5;
        --q.numerator.exponent;
    }
    while (q.denominator % 5 == 0 && q.numerator.significand <= INT64_MAX / 2) {
        q.denominator /= 5;
        q.numerator.significand *= 2;
        --q.numerator.exponent;
    }
    q.numerator = normalised(q.numerator);
    return q;
}

std::optional<Decimal> asDecimal(Quantity q)
{
    q = reduced(q);
    if (q.denominator != 1)
        return std::nullopt;
    return q.numerator;
}

int compare(const Quantity &a, const Quantity &b)
{
    const Decimal x = normalised(a.numerator);
    const Decimal y = normalised(b.numerator);
    if (x.significand == 0 || y.significand == 0)
        return (x.significand > 0) - (y.significand > 0);
    // a.n / a.d against b.n / b.d is a.n × b.d against b.n × a.d.
    return compareDigits(
        timesDigits(x.significand, b.denominator), x.exponent, timesDigits(y.significand, a.denominator), y.exponent);
}

bool operator==(const Quantity &a, const Quantity &b)
{
    return a.unit == b.unit && compare(a, b) == 0;
}

Decimal rounded(const Quantity &q, int significantFigures)
{
    const Decimal n = normalised(q.numerator);
    if (n.significand == 0 || q.denominator <= 0)
        return {};
    // Long division of the numerator's digits by the denominator, one more
    // figure than asked for, to round on.
    __extension__ using Wide = __int128;
    const std::string digits = std::to_string(n.significand);
    std::int64_t significand = 0;
    int figures = 0;
    int exponent = n.exponent + int(digits.size());
    Wide remainder = 0;
    int roundingDigit = 0;
    for (std::size_t i = 0; figures <= significantFigures; ++i) {
        remainder = remainder * 10 + (i < digits.size() ? digits[i] - '0' : 0);
        const int digit = int(remainder / q.denominator);
        remainder %= q.denominator;
        --exponent;
        if (figures == 0 && digit == 0)
            continue;
        if (figures == significantFigures) {
            roundingDigit = digit;
            break;
        }
        significand = significand * 10 + digit;
        ++figures;
        if (remainder == 0 && i + 1 >= digits.size())
            return normalised({significand, exponent});
    }
    if (roundingDigit >= 5)
        ++significand;
    return normalised({significand, exponent + 1});
}

std::string exactText(const Quantity &q)
{
    const Quantity r = reduced(q);
    const std::string numerator = plainText(r.numerator, ".");
    return r.denominator == 1 ? numerator : numerator + "/" + std::to_string(r.denominator);
}

} // namespace Velmora
