#pragma once

#include "../formlayout.h"
#include "../iectables.h"

// The five- and six-band forms, in the four-band form's visual language: the
// same columns 104 px apart, lists tall enough for the thirteen multipliers
// (13 rows of 13 px and the frame), everything below them 39 px lower, the
// four-band result line with a wider tolerance, following the value's width
// up to twelve digits, and, with six bands, the temperature coefficient after
// the tolerance. Labels keep the default
// naming: captions, then colour names, then the result line.
namespace Velmora::SchemeTables {

constexpr BandScheme FiveBands {SchemeId::FiveBands, 5, {K::Digit, K::Digit, K::Digit, K::Multiplier, K::Tolerance},
    {Digits, Digits, Digits, Multipliers, Tolerances}, Colour::Brown, Colour::Brown};

} // namespace Velmora::SchemeTables

namespace Velmora::Layout {

// 537 x 460 px.
constexpr std::array<Control, 23> FiveBandControls {{
    {"Label16", Role::Title, 1860, 120, 4335, 375, "VELMORA a 5 bande", Font::Bold18, true, 25},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 7, 1},
    {"Label2", Role::Caption, 1800, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 8, 2},
    {"Label3", Role::Caption, 3360, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 9, 3},
    {"Label4", Role::Caption, 4920, 1560, 1335, 375, "4° BANDA", Font::Bold12, true, 10, 4},
    {"Label5", Role::Caption, 6480, 1560, 1335, 375, "5° BANDA", Font::Bold12, true, 11, 5},
    {"List1", Role::List, 240, 1920, 1215, 2595, "", Font::Default, true, 0, 1},
    {"List2", Role::List, 1800, 1920, 1215, 2595, "", Font::Default, true, 1, 2},
    {"List3", Role::List, 3360, 1920, 1215, 2595, "", Font::Default, true, 2, 3},
    {"List4", Role::List, 4920, 1920, 1215, 2595, "", Font::Default, true, 3, 4},
    {"List5", Role::List, 6480, 1920, 1215, 2595, "", Font::Default, true, 4, 5},
    {"Label6", Role::ColourName, 240, 4665, 1335, 375, "", Font::Bold12, true, 12, 1},
    {"Label7", Role::ColourName, 1800, 4665, 1335, 375, "", Font::Bold12, true, 13, 2},
    {"Label8", Role::ColourName, 3360, 4665, 1335, 375, "", Font::Bold12, true, 14, 3},
    {"Label9", Role::ColourName, 4920, 4665, 1335, 375, "", Font::Bold12, true, 15, 4},
    {"Label10", Role::ColourName, 6480, 4665, 1335, 375, "", Font::Bold12, true, 16, 5},
    {"Command1", Role::Calculate, 240, 5385, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 5},
    {"Command2", Role::Clear, 240, 6105, 1815, 615, "Cancella", Font::Default, true, 6},
    {"Label15", Role::Heading, 2880, 5625, 2175, 375, "Valore resistenza", Font::Bold12, false, 24},
    {"Label11", Role::Value, 2520, 5985, 1335, 375, "", Font::Bold13_5, true, 17},
    {"Label12", Role::Unit, 3960, 5985, 735, 375, "Ohm", Font::Bold13_5, false, 18},
    {"Label13", Role::PlusMinus, 4800, 5985, 255, 375, "±", Font::Bold13_5, false, 19},
    {"Label14", Role::Tolerance, 5040, 5985, 855, 375, "", Font::Bold13_5, false, 20},
}};

constexpr std::array<Line, 10> FiveBandLines {{
    {"Line8", 2640, 840, 5400, 840},
    {"Line9", 2640, 1200, 5400, 1200},
    {"Line7", 2640, 840, 2640, 1200},
    {"Line10", 5400, 840, 5400, 1200},
    {"Line2", 2160, 960, 2640, 960},
    {"Line1", 2160, 1080, 2640, 1080},
    {"Line3", 2160, 960, 2160, 1080},
    {"Line5", 5400, 960, 5880, 960},
    {"Line4", 5400, 1080, 5880, 1080},
    {"Line6", 5880, 960, 5880, 1080},
}};

constexpr std::array<Shape, 5> FiveBandShapes {{
    {"Shape1", 3000, 840, 135, 375},
    {"Shape2", 3360, 840, 135, 375},
    {"Shape3", 3720, 840, 135, 375},
    {"Shape4", 4080, 840, 135, 375},
    {"Shape5", 4920, 840, 135, 375},
}};

constexpr FormLayout FiveBands {
    "Form2", SchemeId::FiveBands, 8055, ClientHeightMore, FiveBandControls, FiveBandLines, FiveBandShapes, true};
static_assert(onPixelGrid(FiveBands));

} // namespace Velmora::Layout
