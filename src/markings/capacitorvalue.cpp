#include "capacitorvalue.h"

#include "markingtext.h"

#include <optional>

namespace Velmora {

namespace {

constexpr int Pico = -12;
constexpr std::size_t MostDigits = 15;

using MarkingText::isDigit;
using MarkingText::trimmed;

struct Prefix {
    std::string_view text;
    int exponent;
};

// Upper-case M is left out on purpose: it is refused, not read. R is
// picofarads, as "4R7" prints 4,7 pF.
constexpr Prefix Prefixes[] {{"p", -12}, {"P", -12}, {"n", -9}, {"N", -9}, {"u", -6}, {"U", -6}, {"\xC2\xB5", -6},
    {"\xCE\xBC", -6}, {"m", -3}, {"R", -12}};

std::optional<Prefix> prefixAt(std::string_view s)
{
    for (const Prefix &p : Prefixes)
        if (s.starts_with(p.text))
            return p;
    return std::nullopt;
}

// Leading digits, and a separator with its digits where allowSeparator.
struct Number {
    std::string whole;
    std::string fraction;
    bool separator = false;
    std::size_t length = 0;
};

Number numberAt(std::string_view s, bool allowSeparator)
{
    Number n;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            (n.separator ? n.fraction : n.whole) += c;
        } else if ((c == ',' || c == '.') && allowSeparator && !n.separator) {
            n.separator = true;
        } else {
            break;
        }
    }
    n.length = i;
    return n;
}

struct Built {
    std::optional<Decimal> value;
    CapacitorValueError error = CapacitorValueError::None;
};

Built build(const std::string &whole, const std::string &fraction, int exponent)
{
    const std::string digits = whole + fraction;
    if (digits.empty())
        return {std::nullopt, CapacitorValueError::Malformed};
    const std::size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos && digits.size() - first > MostDigits)
        return {std::nullopt, CapacitorValueError::TooManyDigits};
    std::int64_t significand = 0;
    for (char c : digits)
        significand = significand * 10 + (c - '0');
    return {Decimal {significand, exponent - int(fraction.size())}, CapacitorValueError::None};
}

CapacitorValueReading one(Built b, CapacitorFormat format)
{
    if (!b.value)
        return {{}, b.error};
    if (b.value->significand == 0)
        return {{}, CapacitorValueError::Zero};
    return {{{*b.value, format}}, CapacitorValueError::None};
}

CapacitorValueReading refused(CapacitorValueError error)
{
    return {{}, error};
}

CapacitorValueReading digitCode(std::string_view s)
{
    if (s.size() == 2)
        return one(build(std::string(s), {}, Pico), CapacitorFormat::Picofarads);
    if (s.size() != 3)
        return refused(CapacitorValueError::Malformed);
    const int third = s[2] - '0';
    const int zeros = third <= 7 ? third : third - 10; // 8: × 0,01; 9: × 0,1
    CapacitorValueReading r = one(build(std::string(s.substr(0, 2)), {}, Pico + zeros), CapacitorFormat::ThreeDigits);
    // "470" is 47 pF as a code and 470 pF as a number; neither is sure.
    if (third == 0 && s[0] != '0')
        r.readings.push_back({*build(std::string(s), {}, Pico).value, CapacitorFormat::Picofarads});
    return r;
}

CapacitorValueReading otherFormats(std::string_view s)
{
    if (s.empty())
        return refused(CapacitorValueError::Empty);
    if (s.find('M') != std::string_view::npos)
        return refused(CapacitorValueError::MegaPrefix);

    const Number n = numberAt(s, true);
    std::string_view rest = s.substr(n.length);
    if (rest.empty()) {
        if (!n.separator)
            return digitCode(s);
        return one(build(n.whole, n.fraction, -6), CapacitorFormat::WrittenOut);
    }

    const std::string_view afterNumber = rest;
    rest = trimmed(rest);
    const bool spaced = rest.size() != afterNumber.size();
    const std::optional<Prefix> prefix = prefixAt(rest);
    if (!prefix) {
        // A value in farads: "1F", "0,47 F".
        if (rest == "F" && n.length > 0)
            return one(build(n.whole, n.fraction, 0), CapacitorFormat::WrittenOut);
        return refused(CapacitorValueError::Malformed);
    }
    rest.remove_prefix(prefix->text.size());

    // The letter code: the prefix between digits or before them, or after
    // whole digits alone, never with a separator, a space or F.
    const CapacitorFormat code = prefix->text == "R" ? CapacitorFormat::RNotation : CapacitorFormat::LetterCode;
    if (!n.separator && !spaced) {
        const Number after = numberAt(rest, false);
        if (after.length > 0 && after.length == rest.size())
            return one(build(n.whole, after.whole, prefix->exponent), code);
        if (rest.empty())
            return one(build(n.whole, {}, prefix->exponent), code);
    }
    if (n.length == 0 || code == CapacitorFormat::RNotation || (n.separator && n.whole.empty() && n.fraction.empty()))
        return refused(CapacitorValueError::Malformed);
    if (!rest.empty() && rest != "F")
        return refused(CapacitorValueError::Malformed);
    return one(build(n.whole, n.fraction, prefix->exponent), CapacitorFormat::WrittenOut);
}

} // namespace

CapacitorValueReading readCapacitorValue(std::string_view text)
{
    const std::string_view s = trimmed(text);
    CapacitorValueReading r = otherFormats(s);
    // "n7" is 0,7 nF as a letter code and 70 µF as a two-character code.
    for (const CapacitorValue &v : readSmdCapacitorCode(s))
        r.readings.push_back(v);
    if (!r.readings.empty())
        r.error = CapacitorValueError::None;
    return r;
}

} // namespace Velmora
