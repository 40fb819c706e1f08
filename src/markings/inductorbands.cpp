#include "inductorbands.h"

#include <array>

namespace Velmora {

namespace {

using S = InductorBandSource;
using F = InductorBandFormat;
using E = InductorBandError;

constexpr int Micro = -6;
constexpr int NoBand = 2000; // every table: no tolerance band is ± 20 %

struct ColourValue {
    Colour colour;
    int value;
};

struct Table {
    S source;
    std::span<const ColourValue> multipliers; // powers of ten
    std::span<const ColourValue> tolerances; // hundredths of a percent
};

// learnabout-electronics.org, EIA four-band table; token.com.tw ("How To
// Read The Inductor Color Codes") gives gold and silver alike.
constexpr auto LearnAboutMultipliers = std::to_array<ColourValue>({{Colour::Black, 0}, {Colour::Brown, 1},
    {Colour::Red, 2}, {Colour::Orange, 3}, {Colour::Yellow, 4}, {Colour::Gold, -1}, {Colour::Silver, -2}});
constexpr auto LearnAboutTolerances
    = std::to_array<ColourValue>({{Colour::Gold, 500}, {Colour::Silver, 1000}, {Colour::Black, 2000}});

// rzguodou.com: multipliers on to white, the resistor's tolerance colours
// and no black tolerance.
constexpr auto RzGuodouMultipliers = std::to_array<ColourValue>({{Colour::Black, 0}, {Colour::Brown, 1},
    {Colour::Red, 2}, {Colour::Orange, 3}, {Colour::Yellow, 4}, {Colour::Green, 5}, {Colour::LightBlue, 6},
    {Colour::Violet, 7}, {Colour::Grey, 8}, {Colour::White, 9}, {Colour::Gold, -1}, {Colour::Silver, -2}});
constexpr auto RzGuodouTolerances
    = std::to_array<ColourValue>({{Colour::Brown, 100}, {Colour::Red, 200}, {Colour::Green, 50},
        {Colour::LightBlue, 25}, {Colour::Violet, 10}, {Colour::Grey, 5}, {Colour::Gold, 500}, {Colour::Silver, 1000}});

constexpr std::array<Table, 2> Tables {{{S::LearnAbout, LearnAboutMultipliers, LearnAboutTolerances},
    {S::RzGuodou, RzGuodouMultipliers, RzGuodouTolerances}}};

// learnabout-electronics.org, military table: the digit colours, gold as
// the decimal point, black to yellow as × 1 to × 10 000 in band 4.
constexpr auto MilitaryTolerances = std::to_array<ColourValue>({{Colour::Gold, 500}, {Colour::Silver, 1000},
    {Colour::Black, 2000}, {Colour::Brown, 100}, {Colour::Red, 200}, {Colour::Orange, 300}, {Colour::Yellow, 400}});

std::optional<int> find(std::span<const ColourValue> rows, Colour c)
{
    for (const ColourValue &r : rows)
        if (r.colour == c)
            return r.value;
    return std::nullopt;
}

std::optional<int> digit(Colour c)
{
    for (const DigitRow &r : DigitBand)
        if (r.colour == c)
            return r.digit;
    return std::nullopt;
}

InductorBandReading refused(E error, std::size_t band)
{
    return {{}, error, band};
}

InductorBandReading military(std::span<const Colour> b)
{
    if (b[0] != Colour::Silver)
        return refused(E::NotMilitary, 0);
    const std::optional<int> tolerance = find(MilitaryTolerances, b[4]);
    Decimal value;
    if (b[1] == Colour::Gold || b[2] == Colour::Gold) {
        const std::size_t point = b[1] == Colour::Gold ? 1 : 2;
        std::int64_t digits = 0;
        for (std::size_t i = 1; i < 4; ++i) {
            if (i == point)
                continue;
            const std::optional<int> d = digit(b[i]);
            if (!d)
                return refused(b[i] == Colour::Gold ? E::DecimalPoint : E::NotADigit, i);
            digits = digits * 10 + *d;
        }
        value = {digits, point == 1 ? Micro - 2 : Micro - 1};
    } else {
        for (std::size_t i = 1; i < 3; ++i)
            if (!digit(b[i]))
                return refused(E::NotADigit, i);
        const std::optional<int> power = digit(b[3]);
        if (!power || *power > 4)
            return refused(b[3] == Colour::Gold ? E::DecimalPoint : E::NotAMultiplier, 3);
        value = {*digit(b[1]) * 10 + *digit(b[2]), Micro + *power};
    }
    if (!tolerance)
        return refused(E::NotATolerance, 4);
    if (value.significand == 0)
        return refused(E::Zero, 1);
    return {{{value, *tolerance, F::Military, S::LearnAbout}}, E::None, 0};
}

} // namespace

InductorBandReading readInductorBands(std::span<const Colour> bands)
{
    if (bands.size() == 5)
        return military(bands);
    if (bands.size() != 3 && bands.size() != 4)
        return refused(E::Count, 0);
    const std::optional<int> first = digit(bands[0]);
    const std::optional<int> second = digit(bands[1]);
    if (!first || !second)
        return refused(E::NotADigit, first ? 1 : 0);
    if (*first == 0 && *second == 0)
        return refused(E::Zero, 0);
    const F format = bands.size() == 4 ? F::FourBands : F::ThreeBands;

    InductorBandReading reading;
    bool multiplierKnown = false;
    for (const Table &t : Tables) {
        const std::optional<int> power = find(t.multipliers, bands[2]);
        multiplierKnown = multiplierKnown || power;
        const std::optional<int> tolerance = bands.size() == 4 ? find(t.tolerances, bands[3]) : NoBand;
        if (power && tolerance)
            reading.readings.push_back({{*first * 10 + *second, Micro + *power}, *tolerance, format, t.source});
    }
    if (reading.readings.empty())
        return refused(multiplierKnown ? E::NotATolerance : E::NotAMultiplier, multiplierKnown ? 3 : 2);
    // Both tables reading alike is one agreed reading.
    if (reading.readings.size() == 2) {
        const InductorBandValue &a = reading.readings[0];
        const InductorBandValue &b = reading.readings[1];
        if (sameValue(a.henries, b.henries) && a.tolerance == b.tolerance) {
            reading.readings.resize(1);
            reading.readings[0].source = S::Agreed;
        }
    }
    return reading;
}

} // namespace Velmora
