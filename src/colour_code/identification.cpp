#include "identification.h"

#include "eseries.h"
#include "schemeregistry.h"

#include <algorithm>
#include <bit>
#include <tuple>
#include <unordered_set>

namespace Velmora {

namespace {

// The whole colour code for a number of bands; four bands are not limited
// to the four-band window's lists.
std::optional<SchemeId> codeScheme(std::size_t bands)
{
    return wholeCodeFor(int(bands));
}

Exclusion exclusionOf(BandKind kind)
{
    switch (kind) {
    case BandKind::Digit:
        break;
    case BandKind::Multiplier:
        return Exclusion::Multiplier;
    case BandKind::Tolerance:
        return Exclusion::Tolerance;
    case BandKind::TempCoefficient:
        return Exclusion::Coefficient;
    }
    return Exclusion::Digit;
}

ColourSet listColours(std::span<const SchemeRow> rows)
{
    ColourSet set = 0;
    for (const SchemeRow &row : rows)
        set |= colourBit(row.colour);
    return set;
}

// One direction's bands against the scheme's lists.
struct Direction {
    std::vector<ColourSet> sets;
    bool reversed = false;
};

// The colours each band of one direction may be in a reading: those of its
// list, and never black first.
std::vector<ColourSet> allowedColours(const BandScheme &scheme, const Direction &d)
{
    std::vector<ColourSet> allowed;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        ColourSet set = d.sets[std::size_t(band - 1)] & listColours(scheme.rows(band));
        for (int c = 0; c <= int(Colour::Pink); ++c)
            if (isLeadingZero(band, Colour(c)))
                set &= ColourSet(~colourBit(Colour(c)));
        allowed.push_back(set);
    }
    return allowed;
}

std::size_t product(const std::vector<ColourSet> &sets)
{
    std::size_t n = 1;
    for (ColourSet set : sets)
        n *= std::size_t(std::popcount(set));
    return n;
}

// Counts what one direction allows and what the code rules out there, by
// the first band that breaks a rule.
std::size_t count(const BandScheme &scheme, const Direction &d, std::array<std::size_t, ExclusionCount> &excluded)
{
    const std::vector<ColourSet> allowed = allowedColours(scheme, d);
    std::size_t allowedBefore = 1;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        const ColourSet seen = d.sets[std::size_t(band - 1)];
        const ColourSet inList = seen & listColours(scheme.rows(band));
        std::size_t after = 1;
        for (int later = band + 1; later <= scheme.bandCount; ++later)
            after *= std::size_t(std::popcount(d.sets[std::size_t(later - 1)]));
        excluded[std::size_t(exclusionOf(scheme.kind(band)))]
            += allowedBefore * std::size_t(std::popcount(ColourSet(seen & ~inList))) * after;
        excluded[std::size_t(Exclusion::LeadingZero)]
            += allowedBefore * std::size_t(std::popcount(ColourSet(inList & ~allowed[std::size_t(band - 1)]))) * after;
        allowedBefore *= std::size_t(std::popcount(allowed[std::size_t(band - 1)]));
    }
    return allowedBefore;
}

Identified judged(const Reading &reading, bool reversed, const std::optional<Measurement> &measured)
{
    Identified id;
    id.reading = reading;
    id.reversed = reversed;
    id.value = *valueOf(reading);
    id.tolerance = *toleranceOf(reading);
    id.coefficient = coefficientOf(reading);
    id.limits = *limitsOf(reading);
    id.standard = standardFor(id.value, id.tolerance);
    if (measured) {
        // The meter's range, value × (1 ± accuracy), in parts in ten thousand.
        const Decimal tenThousandths {measured->value.significand, measured->value.exponent - 4};
        id.measuredWithin = compareScaled(tenThousandths, 10000 - measured->accuracy, id.limits.highest) <= 0
            && compareScaled(tenThousandths, 10000 + measured->accuracy, id.limits.lowest) >= 0;
        id.rank = *id.measuredWithin ? Rank::Confirmed : Rank::Contradicted;
    } else {
        id.rank = id.standard ? Rank::Standard : Rank::NotStandard;
    }
    return id;
}

// Every reading of one direction, odometer-wise over each band's rows.
void enumerate(const BandScheme &scheme, const Direction &d, const std::optional<Measurement> &measured,
    std::unordered_set<std::uint32_t> &seen, std::vector<Identified> &out)
{
    std::array<std::vector<int>, 6> rows;
    for (int band = 1; band <= scheme.bandCount; ++band) {
        const auto list = scheme.rows(band);
        for (std::size_t i = 0; i < list.size(); ++i)
            if (d.sets[std::size_t(band - 1)] & colourBit(list[i].colour) && !isLeadingZero(band, list[i].colour))
                rows[std::size_t(band - 1)].push_back(int(i));
        if (rows[std::size_t(band - 1)].empty())
            return;
    }
    std::array<std::size_t, 6> at {};
    const std::size_t bands = std::size_t(scheme.bandCount);
    while (true) {
        Reading reading {scheme.id};
        std::uint32_t key = 0;
        for (std::size_t b = 0; b < bands; ++b) {
            const int row = rows[b][at[b]];
            reading.setRow(int(b) + 1, row);
            key = key << 4 | std::uint32_t(row);
        }
        // A sequence that reads the same from both ends is one resistor.
        if (seen.insert(key).second)
            out.push_back(judged(reading, d.reversed, measured));
        std::size_t b = bands;
        while (b > 0 && ++at[b - 1] == rows[b - 1].size())
            at[--b] = 0;
        if (b == 0)
            return;
    }
}

// What differs between the readings still in question: the confirmed ones
// when there are, else all (confirmed ones sort first).
void tellApart(const std::vector<Identified> &readings, bool confirmedOnly, Identification &result)
{
    const auto end = confirmedOnly ? std::partition_point(readings.begin(), readings.end(),
                         [](const Identified &r) { return r.rank == Rank::Confirmed; })
                                   : readings.end();
    const int bands = bandScheme(readings.front().reading.scheme).bandCount;
    const auto given = [bands](const Identified &r, int place) {
        return colourOf(r.reading, r.reversed ? bands + 1 - place : place);
    };
    for (auto it = readings.begin(); it != end; ++it)
        result.bothEnds = result.bothEnds || it->reversed != readings.front().reversed;
    for (int place = 1; place <= bands; ++place)
        if (std::any_of(readings.begin(), end,
                [&](const Identified &r) { return given(r, place) != given(readings.front(), place); }))
            result.differingBands.push_back(place);
}

} // namespace

Part partOf(const Identified &identified)
{
    return {PartKind::Resistor, ohms(identified.value), plusMinus(identified.tolerance), identified.coefficient,
        {MarkingKind::Bands, {}}};
}

bool standardFor(Decimal value, int tolerance)
{
    // The series made at that tolerance, and E24, which makers list in
    // their finer ranges too.
    const std::vector<ESeries> series = seriesOf(value);
    const auto in = [&series](ESeries s) { return std::find(series.begin(), series.end(), s) != series.end(); };
    return in(seriesForTolerance(tolerance)) || (tolerance < 500 && in(ESeries::E24));
}

Identification identify(const Sighting &sighting, std::size_t cap)
{
    Identification result;
    const auto id = codeScheme(sighting.bands.size());
    if (!id)
        return result;
    const BandScheme &scheme = bandScheme(*id);

    std::vector<Direction> directions {{sighting.bands, false}};
    std::vector<ColourSet> back(sighting.bands.rbegin(), sighting.bands.rend());
    // Bands seen alike from both ends give the same readings either way.
    if (!sighting.firstIsBand1 && back != sighting.bands)
        directions.push_back({back, true});

    std::size_t allowed = 0;
    for (const Direction &d : directions)
        allowed += count(scheme, d, result.excluded);
    // A sequence both directions allow is one resistor, counted once.
    if (directions.size() == 2) {
        std::vector<ColourSet> both = allowedColours(scheme, directions[0]);
        const std::vector<ColourSet> other = allowedColours(scheme, directions[1]);
        for (std::size_t b = 0; b < both.size(); ++b)
            both[b] &= other[b];
        allowed -= product(both);
    }
    if (allowed > MostReadings) {
        result.found = allowed;
        result.verdict = Verdict::TooMany;
        return result;
    }

    std::vector<Identified> readings;
    readings.reserve(allowed);
    std::unordered_set<std::uint32_t> seen;
    for (const Direction &d : directions)
        enumerate(scheme, d, sighting.measured, seen, readings);
    std::stable_sort(readings.begin(), readings.end(), [](const Identified &a, const Identified &b) {
        return std::tuple(a.rank, !a.standard, a.reversed) < std::tuple(b.rank, !b.standard, b.reversed);
    });

    result.found = readings.size();
    result.confirmed = std::size_t(
        std::count_if(readings.begin(), readings.end(), [](const Identified &r) { return r.rank == Rank::Confirmed; }));
    if (readings.empty())
        result.verdict = Verdict::None;
    else if (sighting.measured && result.confirmed == 0)
        result.verdict = Verdict::Contradicted;
    else if (readings.size() == 1)
        result.verdict = Verdict::One;
    else if (result.confirmed == 1)
        result.verdict = Verdict::OneMeasured;
    else
        result.verdict = Verdict::Several;
    if (result.verdict == Verdict::Several)
        tellApart(readings, result.confirmed > 0, result);
    readings.resize(std::min(readings.size(), cap));
    result.readings = std::move(readings);
    return result;
}

} // namespace Velmora
