#pragma once

#include <array>
#include <string_view>

// The colour code as the user reads it off a printed chart, kept apart from
// the program's own tables so that a slip in either shows up as a difference.
namespace Velmora::Model {

struct Paint {
    std::string_view name; // as listed, lower case
    int red, green, blue;
};

constexpr Paint Nero {"nero", 0, 0, 0};
constexpr Paint Marrone {"marrone", 128, 64, 0};
constexpr Paint Rosso {"rosso", 255, 0, 0};
constexpr Paint Arancio {"arancio", 255, 128, 0};
constexpr Paint Giallo {"giallo", 255, 255, 0};
constexpr Paint Verde {"verde", 0, 192, 0};
constexpr Paint Azzurro {"azzurro", 0, 255, 255};
constexpr Paint Viola {"viola", 255, 0, 255};
constexpr Paint Grigio {"grigio", 128, 128, 128};
constexpr Paint Bianco {"bianco", 255, 255, 255};
constexpr Paint Oro {"oro", 192, 192, 0};
constexpr Paint Argento {"argento", 224, 224, 224};

// Digit bands: the row is the digit.
constexpr std::array<Paint, 10> Digits {Nero, Marrone, Rosso, Arancio, Giallo, Verde, Azzurro, Viola, Grigio, Bianco};

struct Power {
    Paint paint;
    int exponent; // the multiplier is ten to this
};

constexpr std::array<Power, 9> Multipliers {{
    {Nero, 0},
    {Marrone, 1},
    {Rosso, 2},
    {Arancio, 3},
    {Giallo, 4},
    {Verde, 5},
    {Azzurro, 6},
    {Oro, -1},
    {Argento, -2},
}};

struct Tolerance {
    Paint paint;
    std::string_view text;
};

constexpr std::array<Tolerance, 3> Tolerances {{
    {Oro, "5%"},
    {Rosso, "2%"},
    {Marrone, "1%"},
}};

// Values as a person types them into the value dialog, and the rows of
// bands 1 to 3 that spell them; -1 where the dialog spells none (0,01 Ω
// only with a black first band, which no part carries).
struct TypedValue {
    const char *text;
    int first, second, multiplier;
};

constexpr std::array<TypedValue, 8> Values {{
    {"4K7", 4, 7, 2},
    {"0R22", 2, 2, 8},
    {"1M", 1, 0, 5},
    {"R01", -1, -1, -1},
    {"99M", 9, 9, 6},
    {"10", 1, 0, 0},
    {"5k1", 5, 1, 2},
    {"4k99", -1, -1, -1},
}};

constexpr int rowCount(int band)
{
    return band == 3 ? int(Multipliers.size()) : band == 4 ? int(Tolerances.size()) : int(Digits.size());
}

constexpr const Paint &paintAt(int band, int row)
{
    switch (band) {
    case 3:
        return Multipliers.at(std::size_t(row)).paint;
    case 4:
        return Tolerances.at(std::size_t(row)).paint;
    default:
        return Digits.at(std::size_t(row));
    }
}

} // namespace Velmora::Model
