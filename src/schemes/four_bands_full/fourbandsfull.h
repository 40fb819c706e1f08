#pragma once

#include "../formlayout.h"
#include "../four_bands/fourbands.h"
#include "../iectables.h"

// The whole colour code on four bands, as parts carry it: every multiplier
// from pink (10^-3) to white (10^9) and every tolerance colour, silver's
// ± 10 % among them, which the four-band window the program opens with does
// not list. A part with no tolerance band at all is a three-band part.
namespace Velmora::SchemeTables {

constexpr BandScheme FourBandsFullCode {SchemeId::FourBandsFullCode, 4,
    {K::Digit, K::Digit, K::Multiplier, K::Tolerance}, {Digits, Digits, Multipliers, Tolerances}, Colour::Gold,
    Colour::Brown};

} // namespace Velmora::SchemeTables

// The four-band form's columns and resistor, with the five-band form's lists
// tall enough for thirteen multipliers and everything below them 39 px
// lower; the result line follows the value and has the five-band form's
// room for a tolerance. 433 x 460 px.
namespace Velmora::Layout {

constexpr std::array<Control, 20> FullCodeControls {{
    {"Label14", Role::Title, 840, 120, 5415, 375, "VELMORA codice completo", Font::Bold18, true, 19},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 6, 1},
    {"Label2", Role::Caption, 1800, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 7, 2},
    {"Label3", Role::Caption, 3360, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 8, 3},
    {"Label4", Role::Caption, 4920, 1560, 1335, 375, "4° BANDA", Font::Bold12, true, 9, 4},
    {"List1", Role::List, 240, 1920, 1215, 2595, "", Font::Default, true, 0, 1},
    {"List2", Role::List, 1800, 1920, 1215, 2595, "", Font::Default, true, 1, 2},
    {"List3", Role::List, 3360, 1920, 1215, 2595, "", Font::Default, true, 2, 3},
    {"List4", Role::List, 4920, 1920, 1215, 2595, "", Font::Default, true, 3, 4},
    {"Label5", Role::ColourName, 240, 4665, 1335, 375, "", Font::Bold12, true, 10, 1},
    {"Label6", Role::ColourName, 1800, 4665, 1335, 375, "", Font::Bold12, true, 11, 2},
    {"Label7", Role::ColourName, 3360, 4665, 1335, 375, "", Font::Bold12, true, 12, 3},
    {"Label8", Role::ColourName, 4920, 4665, 1335, 375, "", Font::Bold12, true, 13, 4},
    {"Command1", Role::Calculate, 240, 5385, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 4},
    {"Command2", Role::Clear, 240, 6105, 1815, 615, "Cancella", Font::Default, true, 5},
    {"Label13", Role::Heading, 2880, 5625, 2175, 375, "Valore resistenza", Font::Bold12, false, 18},
    {"Label9", Role::Value, 2520, 5985, 1335, 375, "", Font::Bold13_5, true, 14},
    {"Label10", Role::Unit, 3960, 5985, 735, 375, "Ohm", Font::Bold13_5, false, 15},
    {"Label11", Role::PlusMinus, 4800, 5985, 255, 375, "±", Font::Bold13_5, false, 16},
    {"Label12", Role::Tolerance, 5040, 5985, 855, 375, "", Font::Bold13_5, false, 17},
}};

constexpr FormLayout FourBandsFullCode {
    "Form5", SchemeId::FourBandsFullCode, ClientWidth, ClientHeightMore, FullCodeControls, Lines, Shapes, true};
static_assert(onPixelGrid(FourBandsFullCode));

} // namespace Velmora::Layout
