#pragma once

#include <array>

// The multiplier letters of the three-character code for E96 values (two
// digits for the value's place in E96, a letter for the power of ten). The
// widely published tables give Z, Y or R, X or S, A, B or H, C, D, E and F
// for 10^-3 to 10^5; one chip-resistor maker's datasheet gives G and H for
// 10^6 and 10^7 instead. H is read both ways, and written neither; R and S
// are read but Y and X written.
namespace Velmora::SmdTables {

struct MultiplierLetter {
    char letter;
    int power;
    bool written; // the letter a marking is given; the others are only read
    bool oneMaker; // from the one maker's table, not the widely published ones
};

constexpr std::array<MultiplierLetter, 14> Eia96Letters {{
    {'Z', -3, true, false},
    {'Y', -2, true, false},
    {'R', -2, false, false},
    {'X', -1, true, false},
    {'S', -1, false, false},
    {'A', 0, true, false},
    {'B', 1, true, false},
    {'H', 1, false, false},
    {'C', 2, true, false},
    {'D', 3, true, false},
    {'E', 4, true, false},
    {'F', 5, true, false},
    {'G', 6, true, true},
    {'H', 7, false, true},
}};

// The tolerance the three-character code stands for, in hundredths of a
// percent; and what the digit codes usually mean without saying it: two
// significant digits on 5 % parts (E24), three on 1 % parts.
constexpr int Eia96Tolerance = 100;
constexpr int UsualThreeDigitTolerance = 500;
constexpr int UsualFourDigitTolerance = 100;

} // namespace Velmora::SmdTables
