#include "inductorcode.h"

#include "markingtext.h"

#include <array>
#include <string>

namespace Velmora {

namespace {

using S = InductorToleranceSource;
using E = InductorCodeError;

constexpr int Nano = -9;
constexpr int Micro = -6;
constexpr std::size_t MostDigits = 15;

struct Row {
    char letter;
    S source;
    int below; // hundredths of a percent, or of a nH where absolute
    int above;
    bool absolute = false;
    bool none = false; // the table asks for no tolerance
};

// Alike wherever a table has the letter: D, J, K (ctccoils.com, token.com.tw,
// basictables.com); S (ctccoils.com, token.com.tw); the others (token.com.tw,
// basictables.com). ctccoils.com gives K as "over 5 %, up to 10 %" and M as
// "over 10 %"; the bounds are the same.
constexpr auto Rows = std::to_array<Row>({
    {'D', S::Agreed, 50, 50, true},
    {'F', S::Agreed, 100, 100},
    {'G', S::Agreed, 200, 200},
    {'H', S::Agreed, 300, 300},
    {'J', S::Agreed, 500, 500},
    {'K', S::Agreed, 1000, 1000},
    {'L', S::Agreed, 1500, 1500},
    {'M', S::Agreed, 2000, 2000},
    {'S', S::Agreed, 30, 30, true},
    {'V', S::Agreed, 2500, 2500},
    // ctccoils.com: "no request on tolerance"
    {'N', S::Ctc, 0, 0, false, true},
    // token.com.tw; basictables.com gives N alike
    {'B', S::Token, 15, 15, true},
    {'C', S::Token, 20, 20, true},
    {'N', S::Token, 3000, 3000},
    // basictables.com
    {'A', S::BasicTables, 5, 5, true},
    {'B', S::BasicTables, 10, 10, true},
    {'C', S::BasicTables, 25, 25, true},
    {'E', S::BasicTables, 50, 50},
    {'Z', S::BasicTables, 2000, 8000},
});

using MarkingText::isDigit;
using MarkingText::trimmed;

struct Value {
    std::optional<InductorCodeValue> value;
    E error = E::Malformed;
};

Value built(const std::string &digits, std::size_t decimals, int exponent, InductorFormat format)
{
    if (digits.empty())
        return {};
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {std::nullopt, E::Zero};
    if (digits.size() - first > MostDigits)
        return {std::nullopt, E::TooManyDigits};
    return {InductorCodeValue {{std::stoll(digits.substr(first)), exponent - int(decimals)}, format, {}}, E::None};
}

// "101", "4R7", "R47", "2N7", "27N": three characters at most, digits and one point.
Value code(std::string_view s)
{
    if (s.size() == 3 && isDigit(s[0]) && isDigit(s[1]) && isDigit(s[2])) {
        const Value v = built(std::string(s.substr(0, 2)), 0, Micro, InductorFormat::ThreeDigits);
        if (!v.value)
            return v;
        return {InductorCodeValue {{v.value->henries.significand, Micro + (s[2] - '0')}, v.value->format, {}}, E::None};
    }
    if (s.size() < 2 || s.size() > 3)
        return {};
    const std::size_t point = s.find_first_not_of("0123456789");
    if (point == std::string_view::npos || s.find_first_not_of("0123456789", point + 1) != std::string_view::npos)
        return {};
    const char p = s[point];
    std::string digits(s.substr(0, point));
    digits += s.substr(point + 1);
    const std::size_t decimals = s.size() - point - 1;
    // R ends no table's code; N starts none (R47, not N47, is 470 nH).
    if (p == 'R' && decimals > 0)
        return built(digits, decimals, Micro, InductorFormat::RNotation);
    if ((p == 'N' || p == 'n') && point > 0)
        return built(digits, decimals, Nano, InductorFormat::NNotation);
    return {};
}

struct Prefix {
    std::string_view text;
    int exponent;
};

constexpr Prefix Prefixes[] {
    {"n", Nano}, {"u", Micro}, {"U", Micro}, {"\xC2\xB5", Micro}, {"\xCE\xBC", Micro}, {"m", -3}, {"", 0}};

// "4,7µH", "10 uH", "1mH", "2H".
Value writtenOut(std::string_view s)
{
    if (!s.ends_with('H'))
        return {};
    s.remove_suffix(1);
    std::string digits;
    std::size_t decimals = 0;
    bool separator = false;
    std::size_t i = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (isDigit(c)) {
            digits += c;
            decimals += separator;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return {};
    const std::string_view rest = trimmed(s.substr(i));
    for (const Prefix &p : Prefixes)
        if (rest == p.text)
            return built(digits, decimals, p.exponent, InductorFormat::WrittenOut);
    return {};
}

Value valueOf(std::string_view s)
{
    const Value c = code(s);
    return c.value || c.error != E::Malformed ? c : writtenOut(s);
}

} // namespace

std::vector<InductorTolerance> readInductorToleranceLetter(char letter)
{
    std::vector<InductorTolerance> readings;
    for (const Row &r : Rows) {
        if (r.letter != letter)
            continue;
        InductorTolerance t {letter, std::nullopt, std::nullopt, r.source};
        if (r.absolute)
            t.absolute = Decimal {r.below, Nano - 2};
        else if (!r.none)
            t.percent = Tolerance {r.below, r.above};
        readings.push_back(t);
    }
    return readings;
}

InductorCode readInductorCode(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return {{}, E::Empty};
    InductorCode result;
    const Value whole = valueOf(text);
    if (whole.value)
        result.readings.push_back(*whole.value);
    E error = whole.error;
    const std::vector<InductorTolerance> tolerances = readInductorToleranceLetter(text.back());
    if (!tolerances.empty() && text.size() > 1) {
        const Value before = valueOf(trimmed(text.substr(0, text.size() - 1)));
        if (before.value)
            for (const InductorTolerance &t : tolerances) {
                result.readings.push_back(*before.value);
                result.readings.back().tolerance = t;
            }
        else if (error == E::Malformed)
            error = before.error;
    }
    if (result.readings.empty())
        result.error = error;
    return result;
}

Part partOf(const InductorBandValue &reading, std::string_view printed)
{
    Part part;
    part.kind = PartKind::Inductor;
    part.value = Quantity {Unit::Henry, reading.henries, 1};
    part.tolerance = plusMinus(reading.tolerance);
    part.marking = {MarkingKind::Bands, std::string(printed)};
    return part;
}

Part partOf(const InductorCodeValue &reading, std::string_view printed)
{
    Part part;
    part.kind = PartKind::Inductor;
    part.value = Quantity {Unit::Henry, reading.henries, 1};
    if (reading.tolerance && reading.tolerance->percent)
        part.tolerance = reading.tolerance->percent;
    part.marking = {MarkingKind::Code, std::string(printed)};
    return part;
}

} // namespace Velmora
