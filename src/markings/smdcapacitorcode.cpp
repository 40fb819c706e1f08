#include "smdcapacitorcode.h"

#include "capacitorvalue.h"
#include "markingtext.h"

#include <array>
#include <optional>

namespace Velmora {

namespace {

using S = SmdCapacitorSource;

constexpr int Pico = -12;

struct Letter {
    char letter;
    int tenths; // the mantissa
    S source;
};

// The E24 values in upper case, I and O left out as they read as 1 and 0;
// lower case for the steps between that some tables add.
constexpr auto Letters = std::to_array<Letter>({
    {'A', 10, S::Agreed},
    {'B', 11, S::Agreed},
    {'C', 12, S::Agreed},
    {'D', 13, S::Agreed},
    {'E', 15, S::Agreed},
    {'F', 16, S::Agreed},
    {'G', 18, S::Agreed},
    {'H', 20, S::Agreed},
    {'J', 22, S::Agreed},
    {'K', 24, S::Agreed},
    {'L', 27, S::Agreed},
    {'M', 30, S::Agreed},
    {'N', 33, S::Agreed},
    {'P', 36, S::Agreed},
    {'Q', 39, S::Agreed},
    {'R', 43, S::Agreed},
    {'S', 47, S::Agreed},
    {'T', 51, S::Agreed},
    {'U', 56, S::Agreed},
    {'V', 62, S::Agreed},
    {'W', 68, S::Agreed},
    {'X', 75, S::Agreed},
    {'Y', 82, S::Agreed},
    {'Z', 91, S::Agreed},
    {'a', 25, S::Agreed},
    {'d', 40, S::Agreed},
    {'e', 45, S::Agreed},
    {'f', 50, S::Agreed},
    {'m', 60, S::Agreed},
    {'n', 70, S::Agreed},
    {'t', 80, S::Agreed},
    {'b', 35, S::Marsport},
    {'y', 90, S::Marsport},
    {'b', 30, S::NicComponents},
    {'c', 35, S::NicComponents},
    {'g', 90, S::NicComponents},
});

struct Maker {
    char letter;
    S source;
};

constexpr auto Makers = std::to_array<Maker>({{'K', S::Marsport}, {'N', S::Ok1rr}, {'S', S::Ok1rr}});

std::optional<S> makerOf(char letter)
{
    for (const Maker &m : Makers)
        if (m.letter == letter)
            return m.source;
    return std::nullopt;
}

} // namespace

std::vector<CapacitorValue> readSmdCapacitorCode(std::string_view text)
{
    std::optional<S> maker;
    if (text.size() == 3) {
        maker = makerOf(text[0]);
        if (!maker)
            return {};
        text.remove_prefix(1);
    }
    if (text.size() != 2 || !MarkingText::isDigit(text[1]))
        return {};
    const int power = text[1] == '9' ? -1 : text[1] - '0';
    std::vector<CapacitorValue> readings;
    for (const Letter &l : Letters) {
        // A maker's code reads by the letters of the page that names the
        // maker, or by those all pages share.
        if (l.letter != text[0] || (maker && l.source != S::Agreed && l.source != *maker))
            continue;
        readings.push_back(
            {Decimal {l.tenths, Pico + power - 1}, CapacitorFormat::TwoCharacters, maker.value_or(l.source)});
    }
    return readings;
}

} // namespace Velmora
