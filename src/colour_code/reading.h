#pragma once

#include "bandscheme.h"
#include "decimal.h"
#include "eseries.h"
#include "part.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Velmora {

constexpr int NoRow = -1;

// What a person has chosen on a banded resistor: the scheme and, band by
// band, the row of that band's list or NoRow. Bands past the scheme's last
// stay NoRow. A plain value: the band forms show one, the tools make one.
struct Reading {
    SchemeId scheme = SchemeId::FourBands;
    std::array<int, 6> rows {NoRow, NoRow, NoRow, NoRow, NoRow, NoRow};

    // Bands count from 1; a band or row out of range reads as NoRow.
    int row(int band) const;
    void setRow(int band, int row);

    bool operator==(const Reading &) const = default;
};

// The colour chosen for a band; nothing while none is.
std::optional<Colour> colourOf(const Reading &reading, int band);

// Every band of the scheme chosen.
bool complete(const Reading &reading);

// What the reading says, each as soon as the bands it needs are chosen: the
// value once the digits and the multiplier are; the tolerance in hundredths
// of a percent (always, where the scheme implies it without a band); the
// temperature coefficient in ppm/K (never without its band).
std::optional<Decimal> valueOf(const Reading &reading);
std::optional<int> toleranceOf(const Reading &reading);
std::optional<int> coefficientOf(const Reading &reading);

// The part a complete reading describes: the part its scheme marks, its
// value in that part's unit (ohms, or henries for the microhenries of an
// inductor's lists), its tolerance and, with six bands, its coefficient,
// marked by bands.
std::optional<Part> partOf(const Reading &reading);

// The lowest and highest value the tolerance allows, exactly.
struct Limits {
    Decimal lowest;
    Decimal highest;
};
std::optional<Limits> limitsOf(const Reading &reading);

// The E series the value belongs to, coarsest first.
std::vector<ESeries> seriesOf(const Reading &reading);

// The result line's parts once every band is chosen: the value and the
// tolerance as the windows write them ("4700", "0,25%") and, with six bands,
// the coefficient in ppm/K.
struct ResultParts {
    std::string value;
    std::string tolerance;
    std::optional<int> coefficient;
};
std::optional<ResultParts> resultParts(const Reading &reading, std::string_view decimalPoint);

// A resistor read from its colours, band 1 first, in the first registered
// resistor scheme with that many bands whose lists hold them all, else in the whole
// code for that many bands (three bands: ± 20 %). badBand is the first band
// whose list lacks its colour, 0 when every band has its colour and the
// reading is complete.
struct ColourReading {
    Reading reading;
    int badBand = 0;
    bool leadingZero = false; // band 1 black: a part read from its other end
};
// Nothing when no scheme has that many bands.
std::optional<ColourReading> readColours(std::span<const Colour> colours);

// The reading with the scheme's usual tolerance and coefficient wherever it
// has none chosen.
Reading withUsualParts(Reading reading);

} // namespace Velmora
