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

// Minus, en dash, hyphen and their kin, as a value may start when pasted.
constexpr std::array<std::string_view, 6> Minuses {"-", "\u2212", "\u2013", "\u2010", "\u2011", "\u2012"};

ValueReading refused(ReadError error)
{
    ValueReading r;
    r.error = error;
    return r;
}

// One separator with exactly three digits after it and one to three before,
// leading zeros aside, is also how thousands are grouped: "4.700", "041,078".
bool looksGrouped(std::string_view number)
{
    const auto point = number.find_first_of(".,");
    if (point == std::string_view::npos || number.find_first_of(".,", point + 1) != std::string_view::npos)
        return false;
    std::string_view whole = number.substr(0, point);
    while (whole.starts_with('0'))
        whole.remove_prefix(1);
    return !whole.empty() && whole.size() <= 3 && number.size() - point - 1 == 3;
}

// A number in the units of a prefix letter ('\0' for ohms), spelt so that it
// cannot look grouped: plain with the given suffix, or else the letter code.
std::string spelling(Decimal number, char letter, std::string_view suffix, std::string_view decimalPoint)
{
    const std::string plain = plainText(number, decimalPoint);
    if (!looksGrouped(plain))
        return plain + std::string(suffix);
    const std::size_t point = plain.find(decimalPoint);
    return plain.substr(0, point) + (letter ? letter : 'R') + plain.substr(point + decimalPoint.size());
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
std::optional<Decimal> exactValue(std::string digits, int exponent)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Decimal {};
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (digits.size() > MaxDigits)
        return std::nullopt;
    Decimal r {0, exponent};
    std::from_chars(digits.data(), digits.data() + digits.size(), r.significand);
    return r;
}

// The text's characters, counted in UTF-8 as a person counts them.
std::size_t characters(std::string_view text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Any sign of minus at the front, however many, and the spaces after it.
bool strippedMinus(std::string_view &text)
{
    bool stripped = false;
    for (bool found = true; found;) {
        found = false;
        for (std::string_view minus : Minuses)
            if (text.starts_with(minus)) {
                text = trimmed(text.substr(minus.size()));
                found = stripped = true;
            }
    }
    return stripped;
}

// The first control character's code point, C0 (a tab aside), DEL or C1.
std::optional<unsigned> controlCharacter(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return byte;
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F)
            return next;
    }
    return std::nullopt;
}

ValueReading readUnsigned(std::string_view original, std::string_view decimalPoint);

} // namespace

ValueReading readValue(std::string_view text, std::string_view decimalPoint)
{
    if (characters(text) > MostCharacters)
        return refused(ReadError::TooLong);
    // The ohm mark below is a control character: none may reach it.
    if (const auto code = controlCharacter(text)) {
        ValueReading r = refused(ReadError::ControlCharacter);
        r.controlCode = *code;
        return r;
    }
    std::string_view original = trimmed(text);
    if (original.empty())
        return refused(ReadError::Empty);
    if (strippedMinus(original)) {
        // Negative only if what follows is a number; a sign alone is a slip.
        const ReadError rest = readUnsigned(original, decimalPoint).error;
        return refused(
            rest == ReadError::Empty || rest == ReadError::Malformed ? ReadError::Malformed : ReadError::Negative);
    }
    return readUnsigned(original, decimalPoint);
}

namespace {

ValueReading readUnsigned(std::string_view original, std::string_view decimalPoint)
{
    if (original.empty())
        return refused(ReadError::Empty);

    std::string core = simplified(original);
    // One unit, written or as a sign, may close any form.
    bool unit = false;
    for (std::string_view word : {"ohms", "ohm"})
        if (core.size() >= word.size()
            && equalsNoCase(std::string_view(core).substr(core.size() - word.size()), word)) {
            core.resize(core.size() - word.size());
            unit = true;
            break;
        }
    if (!unit && !core.empty() && core.back() == OhmMark) {
        core.pop_back();
        unit = true;
    }
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
        return refused(ReadError::Malformed);
    if (letterCode && (letters.size() != 1 || j != i || separators != 0))
        return refused(ReadError::Malformed);
    if (!letterCode && std::none_of(number.begin(), number.end(), isDigit))
        return refused(ReadError::Malformed);
    // Outside the letter code R is the unit: "470 R ohm" has two.
    if (!letterCode && unit && (letters == "R" || letters == "r"))
        return refused(ReadError::Malformed);
    const bool milli = letters == "m";
    const auto prefix = milli ? std::optional<int>(0) : prefixExponent(letters, letterCode);
    if (!prefix)
        return refused(ReadError::Malformed);

    if (separators > 1)
        return refused(ReadError::TwoSeparators);

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
        return refused(ReadError::TooManyDigits);

    if (milli) {
        // Milli or mega is asked first: its spellings settle any grouped look too.
        ValueReading r = refused(ReadError::MilliOrMega);
        r.number = *value;
        r.spellings = {spelling(*value, 'M', "M", decimalPoint),
            spelling({value->significand, value->exponent - 3}, '\0', "", decimalPoint)};
        return r;
    }

    if (looksGrouped(number)) {
        // The number as written, before any prefix, which the suffix keeps.
        const std::string_view suffix = original.substr(number.size());
        const char letter = letters.empty() || letters == "R" || letters == "r" ? '\0' : char(letters.front() & ~0x20);
        ValueReading r = refused(ReadError::Grouping);
        r.spellings = {spelling(*exactValue(digits, 0), letter, suffix, decimalPoint),
            spelling(*exactValue(digits, -3), letter, suffix, decimalPoint)};
        return r;
    }

    ValueReading r;
    r.value = value;
    return r;
}

} // namespace

std::string unambiguousText(Decimal r, std::string_view decimalPoint)
{
    return spelling(r, '\0', "", decimalPoint);
}

} // namespace Velmora

namespace Velmora {

std::optional<Part> partOf(const ValueReading &reading, std::string_view typed)
{
    if (!reading.value)
        return std::nullopt;
    Part part = resistor(*reading.value);
    part.marking = {MarkingKind::Typed, std::string(typed)};
    return part;
}

} // namespace Velmora
