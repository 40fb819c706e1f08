#include "dielectric.h"

#include <array>
#include <optional>

namespace Velmora {

namespace {

template<typename T> struct Entry {
    char code;
    T value;
};

template<typename T, std::size_t N> std::optional<T> find(const std::array<Entry<T>, N> &table, char code)
{
    for (const Entry<T> &e : table)
        if (e.code == code)
            return e.value;
    return std::nullopt;
}

// Class 1, as 3bmdesign.com's "Temperature Coefficient Codes for Class I
// Ceramics" and sharps.lv give it: the significant figure in tenths of a
// ppm/K, the multiplier, the tolerance in ppm/K.
constexpr auto Figures = std::to_array<Entry<int>>({{'C', 0}, {'B', 3}, {'L', 8}, {'A', 9}, {'M', 10}, {'P', 15},
    {'R', 22}, {'S', 33}, {'T', 47}, {'V', 56}, {'U', 75}});

struct Multiplier {
    int sign;
    int powerOfTen;
    DielectricSource source;
};
struct MultiplierRow {
    char digit;
    Multiplier multiplier;
};
constexpr auto Multipliers = std::to_array<MultiplierRow>({
    {'0', {-1, 0, DielectricSource::Agreed}},
    {'1', {-1, 1, DielectricSource::Agreed}},
    {'2', {-1, 2, DielectricSource::Agreed}},
    {'3', {-1, 3, DielectricSource::Agreed}},
    {'4', {+1, 0, DielectricSource::ShortTable}},
    {'4', {-1, 4, DielectricSource::LongTable}},
    {'5', {+1, 0, DielectricSource::LongTable}},
    {'6', {+1, 1, DielectricSource::Agreed}},
    {'7', {+1, 2, DielectricSource::Agreed}},
    {'8', {+1, 3, DielectricSource::Agreed}},
    {'9', {+1, 4, DielectricSource::LongTable}},
});

constexpr auto CoefficientTolerances
    = std::to_array<Entry<int>>({{'G', 30}, {'H', 60}, {'J', 120}, {'K', 250}, {'L', 500}, {'M', 1000}, {'N', 2500}});

// Class 2, as 3bmdesign.com's "Codes for Class II and III Ceramics",
// riansanderson.blogspot.com and sharps.lv give it; 8 (+150 °C) is on
// element14's forum table, 9 (+200 °C) on none found.
constexpr auto Lowest = std::to_array<Entry<int>>({{'X', -55}, {'Y', -30}, {'Z', 10}});
constexpr auto Highest
    = std::to_array<Entry<int>>({{'2', 45}, {'4', 65}, {'5', 85}, {'6', 105}, {'7', 125}, {'8', 150}, {'9', 200}});
constexpr auto Changes = std::to_array<Entry<Tolerance>>({
    {'A', {100, 100}},
    {'B', {150, 150}},
    {'C', {220, 220}},
    {'D', {330, 330}},
    {'E', {470, 470}},
    {'F', {750, 750}},
    {'P', {1000, 1000}},
    {'R', {1500, 1500}},
    {'S', {2200, 2200}},
    {'T', {3300, 2200}},
    {'U', {5600, 2200}},
    {'V', {8200, 2200}},
});

std::vector<Dielectric> compensating(std::string_view code)
{
    const std::optional<int> figure = find(Figures, code[0]);
    const std::optional<int> tolerance = find(CoefficientTolerances, code[2]);
    std::vector<Dielectric> readings;
    if (!figure || !tolerance)
        return readings;
    for (const MultiplierRow &row : Multipliers) {
        if (row.digit != code[1])
            continue;
        Dielectric d;
        d.kind = DielectricClass::Compensating;
        if (*figure != 0)
            d.coefficient = {row.multiplier.sign * *figure, row.multiplier.powerOfTen - 1};
        d.coefficientTolerance = *tolerance;
        d.source = row.multiplier.source;
        readings.push_back(d);
    }
    return readings;
}

std::vector<Dielectric> stable(std::string_view code)
{
    const std::optional<int> lowest = find(Lowest, code[0]);
    const std::optional<int> highest = find(Highest, code[1]);
    const std::optional<Tolerance> change = find(Changes, code[2]);
    if (!lowest || !highest || !change)
        return {};
    Dielectric d;
    d.kind = DielectricClass::Stable;
    d.lowestCelsius = *lowest;
    d.highestCelsius = *highest;
    d.change = *change;
    return {d};
}

// "N750", "P100": the sign and up to four digits of ppm/K, as 3bmdesign.com's
// table of EIA and industry names writes them.
std::vector<Dielectric> industryName(std::string_view code)
{
    if (code.size() < 2 || code.size() > 5 || (code[0] != 'N' && code[0] != 'P'))
        return {};
    int ppm = 0;
    for (char c : code.substr(1)) {
        if (c < '0' || c > '9')
            return {};
        ppm = ppm * 10 + (c - '0');
    }
    Dielectric d;
    d.coefficient = {code[0] == 'N' ? -ppm : ppm, 0};
    return {d};
}

} // namespace

std::vector<Dielectric> readDielectric(std::string_view code)
{
    if (code == "NP0" || code == "NPO" || code == "COG")
        code = "C0G";
    if (std::vector<Dielectric> named = industryName(code); !named.empty())
        return named;
    if (code.size() != 3)
        return {};
    // The two classes' first letters never meet: X, Y and Z are no figure.
    std::vector<Dielectric> readings = compensating(code);
    return readings.empty() ? stable(code) : readings;
}

} // namespace Velmora
