#include "valuereader.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace Velmora {

namespace {

constexpr std::size_t MaxDigits = 18; // what a 64-bit significand always holds

constexpr std::array<std::string_view, 4> Spaces {" ", "\t", "\u00A0", "\u202F"};
constexpr std::array<std::string_view, 2> OhmSigns {"\u03A9", "\u2126"}; // Greek capital omega, ohm sign
constexpr char OhmMark = '\x01';

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isSeparator(char c)
{
    return c == '.' || c == ',';
}
bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::string_view trimmed(std::string_view s)
{
    for (bool changed = true; changed;) {
        changed = false;
        for (std::string_view space : Spaces) {
            if (s.starts_with(space)) {
                s.remove_prefix(space.size());
                changed = true;
            }
            if (s.ends_with(space)) {
                s.remove_suffix(space.size());
                changed = true;
            }
        }
    }
    return s;
}

// Every space as ' ' and every ohm sign as one mark, so that the rest works
// on single bytes.
std::string simplified(std::string_view s)
{
    std::string out;
    while (!s.empty()) {
        bool replaced = false;
        for (std::string_view space : Spaces)
            if (!replaced && s.starts_with(space)) {
                out += ' ';
                s.remove_prefix(space.size());
                replaced = true;
            }
        for (std::string_view sign : OhmSigns)
            if (!replaced && s.starts_with(sign)) {
                out += OhmMark;
                s.remove_prefix(sign.size());
                replaced = true;
            }
        if (!replaced) {
            out += s.front();
            s.remove_prefix(1);
        }
    }
    return out;
}

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

ValueReading refused(ReadError error, std::string message)
{
    return {std::nullopt, error, std::move(message)};
}

ValueReading malformed(std::string_view text)
{
    return refused(ReadError::Malformed,
        quoted(text)
            + " non si legge come un valore: scrivere il numero e poi, se serve, il prefisso e l'unità "
              "(4,7 kΩ, 470 Ohm) oppure il codice a lettere (4K7, 0R22).");
}

// The power of ten a prefix letter stands for; R marks the ohms themselves.
std::optional<int> prefixExponent(std::string_view letters, bool letterCode)
{
    if (letters.empty() || letters == "R" || letters == "r")
        return 0;
    if (letters == "k" || letters == "K")
        return 3;
    if (letters == "M" || (!letterCode && equalsNoCase(letters, "meg")))
        return 6;
    if (letters == "G" || letters == "g")
        return 9;
    return std::nullopt;
}

// The digits times 10^exponent, exactly; nothing when they do not fit.
std::optional<Resistance> exactValue(std::string digits, int exponent)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Resistance {};
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (digits.size() > MaxDigits)
        return std::nullopt;
    Resistance r {0, exponent};
    std::from_chars(digits.data(), digits.data() + digits.size(), r.significand);
    return r;
}

} // namespace

ValueReading readValue(std::string_view text, std::string_view decimalPoint)
{
    const std::string_view original = trimmed(text);
    if (original.empty())
        return refused(ReadError::Empty,
            "Scrivere un valore, per esempio 4K7, 4" + std::string(decimalPoint) + "7 kΩ oppure 470.");
    if (original.front() == '-' || original.starts_with("\u2212"))
        return refused(ReadError::Negative, "Una resistenza non è mai negativa: scrivere il valore senza il meno.");

    std::string core = simplified(original);
    // The unit, written or as a sign, may close any form.
    for (std::string_view unit : {"ohms", "ohm"})
        if (core.size() >= unit.size()
            && equalsNoCase(std::string_view(core).substr(core.size() - unit.size()), unit)) {
            core.resize(core.size() - unit.size());
            break;
        }
    if (!core.empty() && core.back() == OhmMark)
        core.pop_back();
    while (!core.empty() && core.back() == ' ')
        core.pop_back();

    // number [spaces] [letters] [digits]
    std::size_t i = 0;
    while (i < core.size() && (isDigit(core[i]) || isSeparator(core[i])))
        ++i;
    std::size_t j = i;
    while (j < core.size() && core[j] == ' ')
        ++j;
    std::size_t k = j;
    while (k < core.size() && isLetter(core[k]))
        ++k;
    std::size_t t = k;
    while (t < core.size() && isDigit(core[t]))
        ++t;
    const std::string_view number = std::string_view(core).substr(0, i);
    const std::string_view letters = std::string_view(core).substr(j, k - j);
    const std::string_view tail = std::string_view(core).substr(k, t - k);
    const auto separators = std::count_if(number.begin(), number.end(), isSeparator);
    const bool letterCode = !tail.empty();

    if (t != core.size())
        return malformed(original);
    if (letterCode && (letters.size() != 1 || j != i || separators != 0))
        return malformed(original);
    if (!letterCode && std::none_of(number.begin(), number.end(), isDigit))
        return malformed(original);
    const bool milli = letters == "m";
    const auto prefix = milli ? std::optional<int>(0) : prefixExponent(letters, letterCode);
    if (!prefix)
        return malformed(original);

    if (separators > 1)
        return refused(ReadError::TwoSeparators,
            quoted(original)
                + " ha più di un separatore: scrivere il valore senza separatori delle migliaia e con un solo "
                  "separatore decimale, per esempio 1000000 oppure 1M.");

    std::string digits;
    int fractionDigits = int(tail.size());
    const std::size_t point = number.find_first_of(".,");
    for (std::size_t n = 0; n < number.size(); ++n)
        if (isDigit(number[n]))
            digits += number[n];
    digits += tail;
    if (point != std::string_view::npos)
        fractionDigits = int(number.size() - point - 1);

    const auto value = exactValue(digits, *prefix - fractionDigits);
    if (!value)
        return refused(
            ReadError::TooManyDigits, quoted(original) + " ha troppe cifre significative per un valore di resistenza.");

    // One separator with three digits after it and one to three before, the
    // first not zero, is also how thousands are grouped.
    if (point != std::string_view::npos && point >= 1 && point <= 3 && number.front() != '0'
        && number.size() - point - 1 == 3) {
        // The number as written, before any prefix, which the suffix keeps.
        const std::string suffix(original.substr(number.size()));
        const std::string asThousands = plainText(*exactValue(digits, 0), decimalPoint) + suffix;
        const std::string asDecimal = plainText(*exactValue(digits, -3), decimalPoint) + suffix;
        return refused(ReadError::Grouping,
            quoted(original) + " è ambiguo: può voler dire " + asThousands + " oppure " + asDecimal
                + ". Scrivere l'uno o l'altro così, senza separatore delle migliaia.");
    }

    if (milli) {
        std::string mega(original);
        mega[mega.find('m', number.size())] = 'M';
        const std::string shown = plainText(*value, decimalPoint);
        return refused(ReadError::MilliOrMega,
            quoted(original) + " è ambiguo: «m» può voler dire milli o mega. Per " + shown + " megaohm scrivere " + mega
                + "; per " + shown + " milliohm scrivere "
                + plainText({value->significand, value->exponent - 3}, decimalPoint) + ".");
    }

    return {value, ReadError::None, {}};
}

} // namespace Velmora
