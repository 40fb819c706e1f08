#pragma once

#include "../formlayout.h"
#include "../iectables.h"

// The six-band form: the five-band form with a temperature coefficient band.
namespace Velmora::SchemeTables {

constexpr BandScheme SixBands {SchemeId::SixBands, 6,
    {K::Digit, K::Digit, K::Digit, K::Multiplier, K::Tolerance, K::TempCoefficient},
    {Digits, Digits, Digits, Multipliers, Tolerances, TempCoefficients}, Colour::Brown, Colour::Brown};

} // namespace Velmora::SchemeTables

namespace Velmora::Layout {

// 641 x 460 px.
constexpr std::array<Control, 27> SixBandControls {{
    {"Label18", Role::Title, 2640, 120, 4335, 375, "VELMORA a 6 bande", Font::Bold18, true, 28},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 8, 1},
    {"Label2", Role::Caption, 1800, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 9, 2},
    {"Label3", Role::Caption, 3360, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 10, 3},
    {"Label4", Role::Caption, 4920, 1560, 1335, 375, "4° BANDA", Font::Bold12, true, 11, 4},
    {"Label5", Role::Caption, 6480, 1560, 1335, 375, "5° BANDA", Font::Bold12, true, 12, 5},
    {"Label6", Role::Caption, 8040, 1560, 1335, 375, "6° BANDA", Font::Bold12, true, 13, 6},
    {"List1", Role::List, 240, 1920, 1215, 2595, "", Font::Default, true, 0, 1},
    {"List2", Role::List, 1800, 1920, 1215, 2595, "", Font::Default, true, 1, 2},
    {"List3", Role::List, 3360, 1920, 1215, 2595, "", Font::Default, true, 2, 3},
    {"List4", Role::List, 4920, 1920, 1215, 2595, "", Font::Default, true, 3, 4},
    {"List5", Role::List, 6480, 1920, 1215, 2595, "", Font::Default, true, 4, 5},
    {"List6", Role::List, 8040, 1920, 1215, 2595, "", Font::Default, true, 5, 6},
    {"Label7", Role::ColourName, 240, 4665, 1335, 375, "", Font::Bold12, true, 14, 1},
    {"Label8", Role::ColourName, 1800, 4665, 1335, 375, "", Font::Bold12, true, 15, 2},
    {"Label9", Role::ColourName, 3360, 4665, 1335, 375, "", Font::Bold12, true, 16, 3},
    {"Label10", Role::ColourName, 4920, 4665, 1335, 375, "", Font::Bold12, true, 17, 4},
    {"Label11", Role::ColourName, 6480, 4665, 1335, 375, "", Font::Bold12, true, 18, 5},
    {"Label12", Role::ColourName, 8040, 4665, 1335, 375, "", Font::Bold12, true, 19, 6},
    {"Command1", Role::Calculate, 240, 5385, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 6},
    {"Command2", Role::Clear, 240, 6105, 1815, 615, "Cancella", Font::Default, true, 7},
    {"Label17", Role::Heading, 2880, 5625, 2175, 375, "Valore resistenza", Font::Bold12, false, 27},
    {"Label13", Role::Value, 2520, 5985, 1335, 375, "", Font::Bold13_5, true, 20},
    {"Label14", Role::Unit, 3960, 5985, 735, 375, "Ohm", Font::Bold13_5, false, 21},
    {"Label15", Role::PlusMinus, 4800, 5985, 255, 375, "±", Font::Bold13_5, false, 22},
    {"Label16", Role::Tolerance, 5040, 5985, 855, 375, "", Font::Bold13_5, false, 23},
    {"Label19", Role::TempCoefficient, 5985, 5985, 1575, 375, "", Font::Bold13_5, false, 29},
}};

constexpr std::array<Line, 10> SixBandLines {{
    {"Line8", 3240, 840, 6360, 840},
    {"Line9", 3240, 1200, 6360, 1200},
    {"Line7", 3240, 840, 3240, 1200},
    {"Line10", 6360, 840, 6360, 1200},
    {"Line2", 2760, 960, 3240, 960},
    {"Line1", 2760, 1080, 3240, 1080},
    {"Line3", 2760, 960, 2760, 1080},
    {"Line5", 6360, 960, 6840, 960},
    {"Line4", 6360, 1080, 6840, 1080},
    {"Line6", 6840, 960, 6840, 1080},
}};

constexpr std::array<Shape, 6> SixBandShapes {{
    {"Shape1", 3600, 840, 135, 375},
    {"Shape2", 3960, 840, 135, 375},
    {"Shape3", 4320, 840, 135, 375},
    {"Shape4", 4680, 840, 135, 375},
    {"Shape5", 5520, 840, 135, 375},
    {"Shape6", 5880, 840, 135, 375},
}};

constexpr FormLayout SixBands {
    "Form3", SchemeId::SixBands, 9615, ClientHeightMore, SixBandControls, SixBandLines, SixBandShapes, true};
static_assert(onPixelGrid(SixBands));

} // namespace Velmora::Layout
