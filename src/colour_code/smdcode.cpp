#include "smdcode.h"

#include "eseries.h"
#include "smdtables.h"

#include <algorithm>

namespace Velmora {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

std::string upperTrimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::string upper(text);
    for (char &c : upper)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return upper;
}

std::int64_t number(std::string_view digits)
{
    std::int64_t n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// Digits with one letter where the decimal point is, the value times
// 10^scale; nothing when the text is not that.
std::optional<Decimal> withPoint(std::string_view text, char point, int scale)
{
    const auto at = text.find(point);
    if (text.size() < 2 || text.size() > 5 || at == std::string_view::npos)
        return std::nullopt;
    std::string digits(text.substr(0, at));
    digits += text.substr(at + 1);
    if (!allDigits(digits))
        return std::nullopt;
    return Decimal {number(digits), scale - int(text.size() - at - 1)};
}

bool isMultiplierLetter(char letter)
{
    return std::any_of(SmdTables::Eia96Letters.begin(), SmdTables::Eia96Letters.end(),
        [letter](const auto &m) { return m.letter == letter; });
}

// The value in exactly `width` digits with `point` before the last k of
// them, the fewest k that needs no leading zero (or with the point first):
// "4R7", "R47", "1R00", "R005". Empty where it does not fit.
std::string pointMarking(Decimal value, int width, char point)
{
    for (int k = 1; k <= width; ++k) {
        // value × 10^k must be a whole number of at most `width` digits.
        const int shift = value.exponent + k;
        if (shift < 0)
            continue;
        std::int64_t s = value.significand;
        for (int i = 0; i < shift && s < 1'000'000; ++i)
            s *= 10;
        std::string digits = std::to_string(s);
        if (int(digits.size()) > width || (int(digits.size()) < width && k < width))
            continue;
        digits.insert(0, std::size_t(width) - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(k), 1, point);
        return digits;
    }
    return {};
}

} // namespace

SmdCode readSmdCode(std::string_view text)
{
    const std::string code = upperTrimmed(text);
    SmdCode result;
    auto &readings = result.readings;
    if (code.empty()) {
        result.error = SmdError::Empty;
        return result;
    }
    if (allDigits(code)) {
        const auto size = code.size();
        if (size <= 4 && code.find_first_not_of('0') == std::string::npos)
            readings.push_back({{}, SmdFormat::Jumper, std::nullopt, std::nullopt});
        else if (size == 3 || size == 4)
            readings.push_back({{number(std::string_view(code).substr(0, size - 1)), code.back() - '0'},
                size == 3 ? SmdFormat::ThreeDigits : SmdFormat::FourDigits, std::nullopt,
                size == 3 ? SmdTables::UsualThreeDigitTolerance : SmdTables::UsualFourDigitTolerance});
        else
            result.error = SmdError::Malformed;
        return result;
    }
    if (const auto r = withPoint(code, 'R', 0))
        readings.push_back({*r, SmdFormat::RNotation, std::nullopt, std::nullopt});
    if (const auto r = withPoint(code, 'L', -3))
        readings.push_back({*r, SmdFormat::LNotation, std::nullopt, std::nullopt});
    if (code.size() == 3 && isDigit(code[0]) && isDigit(code[1]) && code[2] >= 'A' && code[2] <= 'Z') {
        const auto place = number(std::string_view(code).substr(0, 2));
        const bool letter = isMultiplierLetter(code[2]);
        if (letter && place >= 1 && place <= 96) {
            for (const auto &m : SmdTables::Eia96Letters)
                if (m.letter == code[2])
                    readings.push_back({{seriesValues(ESeries::E96)[std::size_t(place - 1)], m.power}, SmdFormat::Eia96,
                        SmdTables::Eia96Tolerance, std::nullopt, m.oneMaker});
        } else if (readings.empty()) {
            result.error = letter ? SmdError::Eia96Number : SmdError::Eia96Letter;
        }
    }
    if (readings.empty() && result.error == SmdError::None)
        result.error = SmdError::Malformed;
    return result;
}

Part partOf(const SmdReading &reading, std::string_view code)
{
    Part part = resistor(reading.value);
    if (reading.tolerance)
        part.tolerance = plusMinus(*reading.tolerance);
    part.marking = {MarkingKind::Code, std::string(code)};
    return part;
}

bool readsTwoValues(const SmdCode &code)
{
    return std::any_of(code.readings.begin(), code.readings.end(),
        [&](const SmdReading &r) { return !sameValue(r.value, code.readings.front().value); });
}

std::vector<SmdMarking> smdMarkings(Decimal value)
{
    value = normalised(value);
    if (value.significand == 0)
        return {{"0", SmdFormat::Jumper}, {"000", SmdFormat::Jumper}};
    std::vector<SmdMarking> markings;
    if (value.significand < 0)
        return markings;
    const std::string digits = std::to_string(value.significand);
    const int n = int(digits.size());

    // The significant digits, padded to the code's width, then the zeros.
    for (auto [width, format] : {std::pair {2, SmdFormat::ThreeDigits}, std::pair {3, SmdFormat::FourDigits}}) {
        const int zeros = value.exponent - (width - n);
        if (n <= width && zeros >= 0 && zeros <= 9)
            markings.push_back({digits + std::string(std::size_t(width - n), '0') + char('0' + zeros), format});
    }
    for (int width : {2, 3})
        if (std::string text = pointMarking(value, width, 'R'); !text.empty())
            markings.push_back({text, SmdFormat::RNotation});
    if (std::string text = pointMarking({value.significand, value.exponent + 3}, 2, 'L'); !text.empty())
        markings.push_back({text, SmdFormat::LNotation});

    const auto e96 = seriesValues(ESeries::E96);
    const auto place
        = std::find(e96.begin(), e96.end(), n <= 3 ? number(digits + std::string(std::size_t(3 - n), '0')) : 0);
    for (const auto &letter : SmdTables::Eia96Letters) {
        if (place != e96.end() && letter.written && letter.power == value.exponent - (3 - n)) {
            const int code = int(place - e96.begin()) + 1;
            markings.push_back(
                {std::string {char('0' + code / 10), char('0' + code % 10), letter.letter}, SmdFormat::Eia96});
        }
    }
    return markings;
}

} // namespace Velmora
