#include "lettercode.h"

#include <array>

namespace Velmora {

namespace {

struct Multiple {
    char letter;
    std::string_view prefix;
};

// Ohms, then each step of a thousand.
constexpr std::array<Multiple, 5> Multiples {{{'R', ""}, {'K', "k"}, {'M', "M"}, {'G', "G"}, {'T', "T"}}};

// The step of a thousand whose multiple leaves one to three whole digits,
// none below 1 and at most the last.
std::size_t stepOf(Decimal r)
{
    // Digits before the point: the significand's plus the exponent.
    const int whole = int(std::to_string(r.significand).size()) + r.exponent;
    if (whole <= 0)
        return 0;
    return std::min(std::size_t((whole - 1) / 3), Multiples.size() - 1);
}

Decimal divided(Decimal r, std::size_t step)
{
    return {r.significand, r.exponent - 3 * int(step)};
}

} // namespace

std::string letterCode(Decimal ohms)
{
    const Decimal r = normalised(ohms);
    if (r.significand <= 0)
        return {};
    const std::size_t step = stepOf(r);
    std::string text = plainText(divided(r, step), ".");
    const char letter = Multiples[step].letter;
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        text[point] = letter;
        if (text.starts_with("0R"))
            text.erase(0, 1); // R47, as the standard writes it
        return text;
    }
    return text.size() == 1 ? text + letter + '0' : text + letter;
}

PrefixedValue prefixedValue(Decimal value, std::string_view decimalPoint)
{
    const Decimal r = normalised(value);
    if (r.significand <= 0)
        return {plainText(r, decimalPoint), {}};
    const std::size_t step = stepOf(r);
    return {plainText(divided(r, step), decimalPoint), Multiples[step].prefix};
}

} // namespace Velmora
