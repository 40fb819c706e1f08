#include "capacitortolerance.h"

#include <array>

namespace Velmora {

namespace {

enum class Applies { Any, UpTo10pF, Above10pF };

struct Row {
    char letter;
    ToleranceSource source;
    Applies range;
    int below; // hundredths of a percent, or of a pF where the range is UpTo10pF
    int above;
};

using S = ToleranceSource;

// The letters all the tables give alike (the IEC 60062 letters as the
// pages above, dummies.com's "Electronics Capacitor Tolerance Code" and
// signalpro.biz quote them), then each page's own readings of the others.
constexpr auto Rows = std::to_array<Row>({
    {'B', S::Agreed, Applies::UpTo10pF, 10, 10},
    {'B', S::Agreed, Applies::Above10pF, 10, 10},
    {'C', S::Agreed, Applies::UpTo10pF, 25, 25},
    {'C', S::Agreed, Applies::Above10pF, 25, 25},
    {'D', S::Agreed, Applies::UpTo10pF, 50, 50},
    {'D', S::Agreed, Applies::Above10pF, 50, 50},
    {'F', S::Agreed, Applies::UpTo10pF, 100, 100},
    {'F', S::Agreed, Applies::Above10pF, 100, 100},
    {'G', S::Agreed, Applies::Any, 200, 200},
    {'J', S::Agreed, Applies::Any, 500, 500},
    {'K', S::Agreed, Applies::Any, 1000, 1000},
    {'M', S::Agreed, Applies::Any, 2000, 2000},
    {'S', S::Agreed, Applies::Any, 2000, 5000},
    {'Z', S::Agreed, Applies::Any, 2000, 8000},
    // electro-tech-online.com
    {'E', S::ElectroTechOnline, Applies::Any, 25, 25},
    {'H', S::ElectroTechOnline, Applies::Any, 250, 250},
    {'L', S::ElectroTechOnline, Applies::Any, 1500, 1500},
    {'N', S::ElectroTechOnline, Applies::Any, 3000, 3000},
    {'P', S::ElectroTechOnline, Applies::Any, 0, 10000},
    {'W', S::ElectroTechOnline, Applies::Any, 0, 20000},
    {'X', S::ElectroTechOnline, Applies::Any, 2000, 4000},
    // einhugur.com
    {'E', S::Einhugur, Applies::Any, 50, 50},
    {'H', S::Einhugur, Applies::Any, 300, 300},
    {'N', S::Einhugur, Applies::Any, 5, 5},
    {'P', S::Einhugur, Applies::Any, 0, 10000},
    // 3bmdesign.com
    {'E', S::ThreeBmDesign, Applies::Any, 50, 50},
    {'H', S::ThreeBmDesign, Applies::Any, 300, 300},
    {'N', S::ThreeBmDesign, Applies::Any, 3000, 3000},
    {'P', S::ThreeBmDesign, Applies::Any, 0, 8000},
    {'Q', S::ThreeBmDesign, Applies::Any, 1000, 3000},
    {'R', S::ThreeBmDesign, Applies::Any, 2000, 3000},
    {'T', S::ThreeBmDesign, Applies::Any, 1000, 5000},
    {'V', S::ThreeBmDesign, Applies::Any, 1000, 10000},
    {'Y', S::ThreeBmDesign, Applies::Any, 0, 5000},
    // signalpro.biz
    {'L', S::SignalPro, Applies::Any, 1500, 1500},
    {'P', S::SignalPro, Applies::Any, 0, 10000},
    {'W', S::SignalPro, Applies::Any, 2000, 4000},
    {'Y', S::SignalPro, Applies::Any, 2000, 5000},
});

// 10 pF, where B, C, D and F turn from picofarads to percent.
constexpr Decimal TenPicofarads {1, -11};

bool applies(Applies range, std::optional<Decimal> rated)
{
    if (range == Applies::Any || !rated)
        return true;
    const bool small = compare(*rated, TenPicofarads) <= 0;
    return small == (range == Applies::UpTo10pF);
}

} // namespace

std::vector<CapacitorTolerance> readToleranceLetter(char letter, std::optional<Decimal> ratedFarads)
{
    std::vector<CapacitorTolerance> readings;
    for (const Row &row : Rows) {
        if (row.letter != letter || !applies(row.range, ratedFarads))
            continue;
        CapacitorTolerance t;
        t.source = row.source;
        if (row.range == Applies::UpTo10pF)
            t.absolute = Decimal {row.below, -14};
        else
            t.percent = Tolerance {row.below, row.above};
        // Two pages may read a letter alike: one reading, from the first.
        bool repeated = false;
        for (const CapacitorTolerance &r : readings)
            repeated = repeated || (r.percent == t.percent && r.absolute.has_value() == t.absolute.has_value());
        if (!repeated)
            readings.push_back(t);
    }
    return readings;
}

} // namespace Velmora
