#pragma once

#include "../formlayout.h"
#include "../four_bands/fourbands.h"
#include "../iectables.h"

// The four-band inductor (EIA): two digits and a multiplier in
// microhenries, then the tolerance. Its lists hold the colours every table
// of the inductor band reader (inductorbands.h) reads alike, so that the
// window never shows a value one table alone gives.
namespace Velmora::SchemeTables {

// No inductor starts with a black band, nor reads zero.
constexpr auto InductorFirstDigits = [] {
    std::array<SchemeRow, Digits.size() - 1> rows {};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = Digits[i + 1];
    return rows;
}();
static_assert(InductorFirstDigits.front().colour == Colour::Brown && InductorFirstDigits.back().value == 9);

// Powers of ten of a microhenry.
constexpr std::array<SchemeRow, 7> InductorMultipliers {{
    {Colour::Black, 0},
    {Colour::Brown, 1},
    {Colour::Red, 2},
    {Colour::Orange, 3},
    {Colour::Yellow, 4},
    {Colour::Gold, -1},
    {Colour::Silver, -2},
}};

constexpr std::array<SchemeRow, 2> InductorTolerances {{
    {Colour::Gold, 500},
    {Colour::Silver, 1000},
}};

constexpr BandScheme InductorFourBands {SchemeId::InductorFourBands, 4,
    {K::Digit, K::Digit, K::Multiplier, K::Tolerance},
    {InductorFirstDigits, Digits, InductorMultipliers, InductorTolerances}, Colour::Gold, Colour::Brown, std::nullopt,
    -6};

} // namespace Velmora::SchemeTables

// The four-band form as it is, its lists, resistor and result line, with
// the inductor's words: the value in µH. It keeps no seed state, so it has
// no scratch label. 433 x 421 px.
namespace Velmora::Layout {

constexpr auto InductorControls = [] {
    std::array<Control, Controls.size() - 1> controls {};
    std::size_t n = 0;
    for (const Control &c : Controls) {
        Control own = c;
        switch (c.role) {
        case Role::Scratch:
            continue;
        case Role::Title:
            own.text = "VELMORA induttore";
            break;
        case Role::Calculate:
            own.text = "CALCOLA VALORE INDUTTANZA";
            break;
        case Role::Heading:
            own.text = "Valore induttanza";
            break;
        case Role::Unit:
            own.text = "µH";
            break;
        case Role::Tolerance: // room for 10%
            own.width = 615;
            break;
        default:
            break;
        }
        controls[n++] = own;
    }
    return controls;
}();

constexpr FormLayout InductorFourBands {
    "Form6", SchemeId::InductorFourBands, ClientWidth, ClientHeight, InductorControls, Lines, Shapes};
static_assert(onPixelGrid(InductorFourBands));

} // namespace Velmora::Layout
