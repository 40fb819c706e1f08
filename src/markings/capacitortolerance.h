#pragma once

#include "decimal.h"
#include "part.h"

#include <optional>
#include <vector>

namespace Velmora {

// The table a tolerance letter was read from. The letters every table
// gives alike are Agreed; the others name the public page whose table gives
// that reading, since the pages disagree.
enum class ToleranceSource {
    Agreed,
    ElectroTechOnline, // electro-tech-online.com, thread "Capacitor letter?", a collected list
    Einhugur, // einhugur.com, "Coding of small bodied capacitors" (w9jz.org copies it)
    ThreeBmDesign, // 3bmdesign.com, "General Tolerance Codes for Capacitors"
    SignalPro, // signalpro.biz, "Ceramic capacitor markings for values, tolerance etc."
};

// A tolerance letter as one table reads it: either a percentage or, on a
// part of at most 10 pF, a capacitance either side.
struct CapacitorTolerance {
    std::optional<Tolerance> percent; // hundredths of a percent
    std::optional<Decimal> absolute; // farads either side: ± 0,25 pF is 25 × 10^-14
    ToleranceSource source = ToleranceSource::Agreed;
};

// Every reading of a tolerance letter, in upper case: Agreed first, then
// the tables in ToleranceSource's order. B, C, D and F are absolute for a
// rated capacitance of at most 10 pF and percentages above; without a rated
// capacitance both readings come back. Nothing for a letter no table has.
std::vector<CapacitorTolerance> readToleranceLetter(char letter, std::optional<Decimal> ratedFarads);

} // namespace Velmora
