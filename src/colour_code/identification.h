#pragma once

#include "reading.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace Velmora {

// The colours a band may be, one bit per Colour; AnyColour where the person
// cannot tell.
using ColourSet = std::uint16_t;
constexpr ColourSet colourBit(Colour c)
{
    return ColourSet(1u << unsigned(c));
}
constexpr ColourSet AnyColour = ColourSet((1u << (unsigned(Colour::Pink) + 1)) - 1);

// What a meter read, and how far it may be off, in hundredths of a percent.
struct Measurement {
    Decimal value;
    int accuracy = 100;
};

// What the person sees: the bands from one end, each one or more colours;
// whether that end is band 1; what a meter said, if they measured.
struct Sighting {
    std::vector<ColourSet> bands;
    bool firstIsBand1 = false;
    std::optional<Measurement> measured;
};

// Why a reading stands where it does in the list, best first.
enum class Rank {
    Confirmed, // the measurement falls within its tolerance
    Standard, // a standard value for its tolerance, not measured
    NotStandard, // neither measured nor standard
    Contradicted, // measured, and the measurement falls outside it
};

// One reading a real resistor could carry.
struct Identified {
    Reading reading; // in its scheme: three, four (the whole code), five or six bands
    bool reversed = false; // read from the other end than the one given first
    Decimal value;
    int tolerance = 0; // hundredths of a percent
    std::optional<int> coefficient; // ppm/K
    Limits limits;
    bool standard = false; // see standardFor
    std::optional<bool> measuredWithin; // with a measurement: whether its range meets the reading's
    Rank rank = Rank::NotStandard;
};

// The colour code's rule that rules a sequence out (the first band that
// breaks one counts): a band whose kind has no such colour in IEC 60062's
// tables, or a black first band, since the digit bands carry the value's
// significant figures and a leading zero is none.
enum class Exclusion { Digit, Multiplier, Tolerance, Coefficient, LeadingZero };
inline constexpr std::size_t ExclusionCount = 5;

enum class Verdict {
    None, // nothing the code allows
    One, // a single reading, not contradicted
    OneMeasured, // several, and the measurement leaves one
    Several, // several that neither the colours nor the measurement tell apart
    Contradicted, // measured, and the measurement confirms none
    TooMany, // more than are worth listing: fewer unknown bands are needed
};

struct Identification {
    std::vector<Identified> readings; // best first, at most the cap
    std::size_t found = 0; // every reading, shown or not
    std::size_t confirmed = 0; // of those, the ones the measurement confirms
    std::array<std::size_t, ExclusionCount> excluded {}; // sequences ruled out, by rule
    Verdict verdict = Verdict::None;
    // With Verdict::Several, what could still tell the readings apart (the
    // confirmed ones, when measured): whether they are read from both ends,
    // which the body's wider gap settles; the bands, counted from the end
    // given first, whose colour differs between them.
    bool bothEnds = false;
    std::vector<int> differingBands;
};

// Past this many readings identify() stops listing them (Verdict::TooMany):
// no one reads that many, and the window must answer as the person clicks.
inline constexpr std::size_t MostReadings = 20000;

// Every reading of what the person sees, in both directions unless band 1 is
// known, ranked: confirmed by the measurement, then standard values, then
// the rest, then those the measurement contradicts; the first `cap` kept.
Identification identify(const Sighting &sighting, std::size_t cap = 50);

// The part a reading describes.
Part partOf(const Identified &identified);

// Whether a value is one made at a tolerance: the IEC 60063 series for that
// tolerance (E6 at 20 %, E12 at 10 %, E24 at 5 %, E48 at 2 %, E96 at 1 %,
// E192 finer), and E24 at every tolerance finer than 5 %, as makers list
// their E24 values in their 1 % and finer ranges too.
bool standardFor(Decimal value, int tolerance);

} // namespace Velmora
