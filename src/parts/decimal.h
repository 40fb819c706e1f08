#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Velmora {

// A decimal number kept exactly, as markings and the E series write values:
// significand × 10^exponent. Never a binary float, so 4.7 k stays 47 × 10^2
// and 0.22 stays 22 × 10^-2. It carries no unit: a Quantity does.
struct Decimal {
    std::int64_t significand = 0;
    int exponent = 0;
};

// The same value with the significand's trailing zeros moved into the
// exponent; zero is 0 × 10^0. Equal values normalise to equal pairs.
constexpr Decimal normalised(Decimal r)
{
    if (r.significand == 0)
        return {};
    while (r.significand % 10 == 0) {
        r.significand /= 10;
        ++r.exponent;
    }
    return r;
}

constexpr bool sameValue(Decimal a, Decimal b)
{
    const Decimal x = normalised(a);
    const Decimal y = normalised(b);
    return x.significand == y.significand && x.exponent == y.exponent;
}

// Exact order of two non-negative values: negative, zero or positive as a
// is below, equal to or above b.
int compare(Decimal a, Decimal b);
// The same for a × factor against b, exactly whatever a's digits: a
// tolerance or an accuracy applied to a value as typed, with 18 digits.
// factor is not negative.
int compareScaled(Decimal a, std::int64_t factor, Decimal b);

// The digits of n × factor, both not negative, carried digit by digit so
// that no product overflows.
std::string timesDigits(std::int64_t n, std::int64_t factor);
// Exact order of two positive numbers written as digits without a leading
// zero, each × 10^its exponent.
int compareDigits(std::string_view a, int exponentA, std::string_view b, int exponentB);

// "5%", "± 0,25 %", "0.05": a percentage with at most three whole digits and
// two decimals, either separator, in hundredths of a percent; nothing for
// any other text. The one reading of a percentage, for tables and options.
constexpr std::optional<int> hundredthsOfPercent(std::string_view text)
{
    constexpr auto trimmed = [](std::string_view s) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        return s;
    };
    constexpr std::string_view PlusMinus = "\xC2\xB1"; // ± in UTF-8
    text = trimmed(text);
    if (text.starts_with(PlusMinus))
        text = trimmed(text.substr(PlusMinus.size()));
    if (text.ends_with('%'))
        text = trimmed(text.substr(0, text.size() - 1));
    int whole = 0, wholeDigits = 0, decimals = 0, decimalDigits = 0;
    bool point = false;
    for (char c : text) {
        if (c == ',' || c == '.') {
            if (point)
                return std::nullopt;
            point = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        } else if (point) {
            if (++decimalDigits > 2)
                return std::nullopt;
            decimals = decimals * 10 + (c - '0');
        } else {
            if (++wholeDigits > 3)
                return std::nullopt;
            whole = whole * 10 + (c - '0');
        }
    }
    if (wholeDigits == 0)
        return std::nullopt;
    return whole * 100 + (decimalDigits == 1 ? decimals * 10 : decimals);
}

// Digits of the normalised significand: 4700 has 2, 0.22 has 2, 0 has 1.
int significantDigits(Decimal r);

// Plain digits, as the window shows a value: decimal notation, never an
// exponent, no grouping, no trailing zeros or separator.
std::string plainText(Decimal r, std::string_view decimalPoint);

} // namespace Velmora
