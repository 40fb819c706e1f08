#include "exact.h"

#include <algorithm>

namespace Velmora {

namespace {

mpz_class powerOfTen(int n)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, unsigned(n));
    return p;
}

// |value| × 10^shift, rounded half away from zero to a whole number.
mpz_class scaledRounded(const Exact &magnitude, int shift)
{
    mpz_class num = magnitude.get_num();
    mpz_class den = magnitude.get_den();
    if (shift >= 0)
        num *= powerOfTen(shift);
    else
        den *= powerOfTen(-shift);
    mpz_class twice = 2 * num + den;
    mpz_class q;
    mpz_fdiv_q(q.get_mpz_t(), twice.get_mpz_t(), mpz_class(2 * den).get_mpz_t());
    return q;
}

// The exponent of the leading figure: 4700 is 3, 0.022 is -2.
int leadingExponent(const Exact &magnitude)
{
    int e = int(mpz_sizeinbase(magnitude.get_num().get_mpz_t(), 10))
        - int(mpz_sizeinbase(magnitude.get_den().get_mpz_t(), 10));
    // sizeinbase may be one over; settle it exactly.
    auto below = [&](int k) { // magnitude < 10^k
        return k >= 0 ? magnitude < Exact(powerOfTen(k)) : magnitude * Exact(powerOfTen(-k)) < 1;
    };
    while (!below(e + 1))
        ++e;
    while (below(e))
        --e;
    return e;
}

// The digits and exponent of |value| to so many figures.
std::pair<mpz_class, int> figures(const Exact &magnitude, int significantFigures)
{
    int shift = significantFigures - 1 - leadingExponent(magnitude);
    mpz_class digits = scaledRounded(magnitude, shift);
    if (digits == powerOfTen(significantFigures)) { // 999.95 rounded up a figure
        digits /= 10;
        --shift;
    }
    return {digits, -shift};
}

} // namespace

Exact exactOf(Decimal value)
{
    Exact q(mpz_class(static_cast<long>(value.significand)));
    if (value.exponent >= 0)
        q *= Exact(powerOfTen(value.exponent));
    else
        q /= Exact(powerOfTen(-value.exponent));
    q.canonicalize();
    return q;
}

Exact fraction(long numerator, long denominator)
{
    Exact q(numerator, denominator);
    q.canonicalize();
    return q;
}

std::string fractionText(const Exact &value)
{
    return value.get_str();
}

std::string decimalText(const Exact &value, int significantFigures)
{
    if (value == 0)
        return "0";
    const Exact magnitude = abs(value);
    auto [digits, exponent] = figures(magnitude, significantFigures);
    // Exact figures: drop the zeros the rounding did not need.
    while (digits != 0 && digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    std::string text = digits.get_str();
    if (exponent >= 0) {
        text.append(std::size_t(exponent), '0');
    } else {
        const std::size_t point = std::size_t(-exponent);
        if (text.size() <= point)
            text.insert(0, point - text.size() + 1, '0');
        text.insert(text.size() - point, 1, '.');
    }
    return (value < 0 ? "-" : "") + text;
}

Decimal roundedDecimal(const Exact &value, int significantFigures)
{
    if (value == 0)
        return {};
    significantFigures = std::clamp(significantFigures, 1, 18);
    auto [digits, exponent] = figures(abs(value), significantFigures);
    const long n = digits.get_si();
    return normalised({value < 0 ? -n : n, exponent});
}

} // namespace Velmora
