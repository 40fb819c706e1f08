#pragma once

#include "../formlayout.h"
#include "../four_bands/fourbands.h"
#include "../iectables.h"

namespace Velmora::SchemeTables {

// No tolerance band: the usual parts are never read.
constexpr BandScheme ThreeBands {SchemeId::ThreeBands, 3, {K::Digit, K::Digit, K::Multiplier},
    {Digits, Digits, Multipliers}, Colour::Gold, Colour::Brown, 2000};

} // namespace Velmora::SchemeTables

namespace Velmora::Layout {

// The three-band form: the four-band form's width, title and resistor with
// no tolerance band, its three lists spread over the four columns' span, and
// the five-band form's heights for the thirteen multipliers. The result line
// follows the value, up to eleven digits, and the tolerance is always 20%.
// 433 x 460 px.
constexpr std::array<Control, 17> ThreeBandControls {{
    {"Label12", Role::Title, 1080, 120, 4335, 375, "VELMORA a 3 bande", Font::Bold18, true, 16},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 5, 1},
    {"Label2", Role::Caption, 2580, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 6, 2},
    {"Label3", Role::Caption, 4920, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 7, 3},
    {"List1", Role::List, 240, 1920, 1215, 2595, "", Font::Default, true, 0, 1},
    {"List2", Role::List, 2580, 1920, 1215, 2595, "", Font::Default, true, 1, 2},
    {"List3", Role::List, 4920, 1920, 1215, 2595, "", Font::Default, true, 2, 3},
    {"Label4", Role::ColourName, 240, 4665, 1335, 375, "", Font::Bold12, true, 8, 1},
    {"Label5", Role::ColourName, 2580, 4665, 1335, 375, "", Font::Bold12, true, 9, 2},
    {"Label6", Role::ColourName, 4920, 4665, 1335, 375, "", Font::Bold12, true, 10, 3},
    {"Command1", Role::Calculate, 240, 5385, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 3},
    {"Command2", Role::Clear, 240, 6105, 1815, 615, "Cancella", Font::Default, true, 4},
    {"Label11", Role::Heading, 2880, 5625, 2175, 375, "Valore resistenza", Font::Bold12, false, 15},
    {"Label7", Role::Value, 2520, 5985, 1335, 375, "", Font::Bold13_5, true, 11},
    {"Label8", Role::Unit, 3960, 5985, 735, 375, "Ohm", Font::Bold13_5, false, 12},
    {"Label9", Role::PlusMinus, 4800, 5985, 255, 375, "±", Font::Bold13_5, false, 13},
    {"Label10", Role::Tolerance, 5040, 5985, 615, 375, "", Font::Bold13_5, false, 14},
}};

constexpr std::array<Shape, 3> ThreeBandShapes {{
    {"Shape1", 2520, 840, 135, 375},
    {"Shape2", 2880, 840, 135, 375},
    {"Shape3", 3240, 840, 135, 375},
}};

constexpr FormLayout ThreeBands {
    "Form4", SchemeId::ThreeBands, ClientWidth, ClientHeightMore, ThreeBandControls, Lines, ThreeBandShapes, true};
static_assert(onPixelGrid(ThreeBands));

} // namespace Velmora::Layout
