#pragma once

#include <array>

// The multiplier letters of the three-character code for E96 values (two
// digits for the value's place in E96, a letter for the power of ten), as a
// chip-resistor maker's datasheet lists them: A to H for 10^0 to 10^7, X, Y
// and Z for 10^-1 to 10^-3. Other published tables add R for 10^-2 and S for
// 10^-1, beside Y and X; they are read here too but never written. Some
// tables give H as 10, the same as B: that reading is not followed.
namespace Velmora::SmdTables {

struct MultiplierLetter {
    char letter;
    int power;
    bool written; // the letter a marking is given; the others are only read
};

constexpr std::array<MultiplierLetter, 13> Eia96Letters {{
    {'Z', -3, true},
    {'Y', -2, true},
    {'R', -2, false},
    {'X', -1, true},
    {'S', -1, false},
    {'A', 0, true},
    {'B', 1, true},
    {'C', 2, true},
    {'D', 3, true},
    {'E', 4, true},
    {'F', 5, true},
    {'G', 6, true},
    {'H', 7, true},
}};

// The tolerance the three-character code stands for, in hundredths of a
// percent; and what the digit codes usually mean without saying it: two
// significant digits on 5 % parts (E24), three on 1 % parts.
constexpr int Eia96Tolerance = 100;
constexpr int UsualThreeDigitTolerance = 500;
constexpr int UsualFourDigitTolerance = 100;

} // namespace Velmora::SmdTables
