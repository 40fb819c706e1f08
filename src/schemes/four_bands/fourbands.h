#pragma once

#include "../formlayout.h"
#include "../iectables.h"

// The four-band window the program opens with: its lists, and its layout as
// designed.
namespace Velmora::SchemeTables {

// The four-band window's own lists, read from its colour table so that the
// two never disagree.

constexpr auto FourBandMultipliers = [] {
    std::array<SchemeRow, MultiplierBand.size()> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {MultiplierBand[i].colour, powerOfTen(MultiplierBand[i].multiplier)};
    return rows;
}();
static_assert(
    FourBandMultipliers[6].value == 6 && FourBandMultipliers[7].value == -1 && FourBandMultipliers[8].value == -2);

constexpr auto FourBandTolerances = [] {
    std::array<SchemeRow, ToleranceBand.size()> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {ToleranceBand[i].colour, *hundredthsOfPercent(ToleranceBand[i].tolerance)};
    return rows;
}();
static_assert(FourBandTolerances[0].value == 500 && FourBandTolerances[2].value == 100);

constexpr BandScheme FourBands {SchemeId::FourBands, 4, {K::Digit, K::Digit, K::Multiplier, K::Tolerance},
    {Digits, Digits, FourBandMultipliers, FourBandTolerances}, Colour::Gold, Colour::Brown};

} // namespace Velmora::SchemeTables

namespace Velmora::Layout {

constexpr std::array<Control, 21> Controls {{
    {"Label15", Role::Title, 1080, 120, 4335, 375, "VELMORA a 4 bande", Font::Bold18, true, 20},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 0, 1},
    {"Label2", Role::Caption, 1800, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 1, 2},
    {"Label3", Role::Caption, 3360, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 2, 3},
    {"Label4", Role::Caption, 4920, 1560, 1335, 375, "4° BANDA", Font::Bold12, true, 3, 4},
    {"List1", Role::List, 240, 1920, 1215, 2010, "", Font::Default, true, 8, 1},
    {"List2", Role::List, 1800, 1920, 1215, 2010, "", Font::Default, true, 9, 2},
    {"List3", Role::List, 3360, 1920, 1215, 2010, "", Font::Default, true, 10, 3},
    {"List4", Role::List, 4920, 1920, 1215, 2010, "", Font::Default, true, 11, 4},
    {"Label5", Role::ColourName, 240, 4080, 1335, 375, "", Font::Bold12, true, 4, 1},
    {"Label6", Role::ColourName, 1800, 4080, 1335, 375, "", Font::Bold12, true, 5, 2},
    {"Label7", Role::ColourName, 3360, 4080, 1335, 375, "", Font::Bold12, true, 6, 3},
    {"Label8", Role::ColourName, 4920, 4080, 1335, 375, "", Font::Bold12, true, 7, 4},
    {"Command1", Role::Calculate, 240, 4800, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 12},
    {"Command2", Role::Clear, 240, 5520, 1815, 615, "Cancella", Font::Default, true, 14},
    {"Label14", Role::Heading, 2880, 5040, 2175, 375, "Valore resistenza", Font::Bold12, false, 19},
    {"Label9", Role::Value, 2520, 5400, 1335, 375, "", Font::Bold13_5, true, 13},
    {"Label11", Role::Unit, 3960, 5400, 735, 375, "Ohm", Font::Bold13_5, false, 16},
    {"Label12", Role::PlusMinus, 4800, 5400, 255, 375, "±", Font::Bold13_5, false, 17},
    {"Label13", Role::Tolerance, 5040, 5400, 495, 375, "", Font::Bold13_5, false, 18},
    {"Label10", Role::Scratch, 240, 840, 1095, 495, "", Font::Default, false, 15},
}};

// The resistor's outline: body and two leads.
constexpr std::array<Line, 10> Lines {{
    {"Line8", 2160, 840, 4560, 840},
    {"Line9", 2160, 1200, 4560, 1200},
    {"Line7", 2160, 840, 2160, 1200},
    {"Line10", 4560, 840, 4560, 1200},
    {"Line2", 1680, 960, 2160, 960},
    {"Line1", 1680, 1080, 2160, 1080},
    {"Line3", 1680, 960, 1680, 1080},
    {"Line5", 4560, 960, 5040, 960},
    {"Line4", 4560, 1080, 5040, 1080},
    {"Line6", 5040, 960, 5040, 1080},
}};

// The band swatches painted over the body; band n is Shapes[n - 1].
constexpr std::array<Shape, 4> Shapes {{
    {"Shape1", 2520, 840, 135, 375},
    {"Shape2", 2880, 840, 135, 375},
    {"Shape3", 3240, 840, 135, 375},
    {"Shape4", 4080, 840, 135, 375},
}};

constexpr FormLayout FourBands {"Form1", SchemeId::FourBands, ClientWidth, ClientHeight, Controls, Lines, Shapes};
static_assert(onPixelGrid(FourBands));

} // namespace Velmora::Layout
