#pragma once

#include "exact.h"
#include "network.h"
#include "partsource.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace Velmora {

// The source's values ready for searching: ascending, as doubles for the
// search's arithmetic and exactly for its verdict. The doubles count in a
// unit small enough that every value is a whole number of it (a hundredth
// of an ohm for 1,02 Ω), so that sums of parts are exact in doubles too.
struct PartTable {
    std::vector<double> value; // in units
    Exact unit; // in ohms
    std::vector<Exact> exact;
    std::vector<Decimal> decimal; // normalised
    std::vector<int> count;
    std::vector<int> tolerance;
    std::vector<int> seriesRank; // the coarsest E series holding the value, 7 for none

    explicit PartTable(const PartSource &source);
    std::size_t size() const { return value.size(); }
    bool unlimited() const { return m_unlimited; }
    // An amount in ohms, in units.
    double scaled(const Exact &ohms) const;
    // Whether an amount in ohms is a whole number of units that doubles
    // hold exactly, as every sum of parts then is.
    bool whole(const Exact &ohms) const;
    bool allWhole() const { return m_whole; }
    // Whether the parts named (n of them) are there as often as they are used.
    bool available(const std::uint16_t *parts, int n) const { return m_unlimited || counted(parts, n); }

private:
    bool counted(const std::uint16_t *parts, int n) const;

    bool m_unlimited = true; // every value there at least four times
    bool m_whole = true; // every value whole(), as it is unless a value is over 2^53 units
};

// Every network of two parts, a ≤ b, of one kind (series or parallel),
// ascending by value.
struct PairTable {
    // Two indices into the part table: four bytes, so that a million of
    // them sort and search in the caches; the value is worked out anew.
    struct Entry {
        std::uint16_t a;
        std::uint16_t b;
    };
    std::vector<Entry> entries;

    PairTable(const PartTable &parts, bool series);
    double value(const Entry &e) const
    {
        const double x = m_values[e.a], y = m_values[e.b];
        return m_series ? x + y : x * y / (x + y);
    }
    // The first entry not below x, as std::lower_bound finds it, found
    // through the index in a handful of entries rather than twenty steps
    // over the whole table.
    std::size_t lowerBound(double x) const;
    // Whether some entry may lie in [lo, hi]: false only where none does. A
    // map of one bit per sliver of the values answers without touching the
    // entries, which most searches near a tiny bound find none in.
    bool anyWithin(double lo, double hi) const;

private:
    void sortByValue(const PartTable &parts);
    std::uint64_t bucketOf(double x) const;

    const double *m_values;
    bool m_series;
    std::uint64_t m_base = 0; // the bits of the least value
    int m_shift = 0;
    std::vector<std::uint32_t> m_start; // per bucket, its first entry
    int m_mapShift = 0;
    std::vector<std::uint64_t> m_map; // a bit per sliver of bits, set where an entry is
};

// std::lower_bound over an ascending range, searched outward from where
// the last search ended: a run of nearby values costs a few steps each,
// and stays in the same part of memory.
template<class Entry, class ValueOf> class Finger
{
public:
    Finger(std::span<const Entry> range, ValueOf valueOf)
        : m_range(range)
        , m_valueOf(valueOf)
    {
    }

    std::size_t lowerBound(double x)
    {
        const std::size_t n = m_range.size();
        std::size_t lo, hi;
        if (m_at < n && value(m_at) < x) { // ahead: the answer is above m_at
            std::size_t step = 1;
            lo = m_at;
            while (lo + step < n && value(lo + step) < x) {
                lo += step;
                step *= 2;
            }
            hi = std::min(lo + step, n);
            ++lo;
        } else { // behind or here
            std::size_t step = 1;
            hi = m_at;
            while (hi >= step && value(hi - step) >= x) {
                hi -= step;
                step *= 2;
            }
            lo = hi >= step ? hi - step + 1 : 0;
        }
        // The answer is in [lo, hi].
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (value(mid) < x)
                lo = mid + 1;
            else
                hi = mid;
        }
        return m_at = lo;
    }

private:
    double value(std::size_t i) const { return m_valueOf(m_range[i]); }

    std::span<const Entry> m_range;
    ValueOf m_valueOf;
    std::size_t m_at = 0;
};

// A network the search found: its shape and its parts, as indices into the
// part table in the shape's canonical order, and its error in doubles.
struct Candidate {
    Shape shape;
    std::array<std::uint16_t, 4> part;
    double error;
};

// The candidates near the least error found. Four parts' value in doubles
// is within about 2e-15 of itself, so a network whose error in doubles is
// more than the margin (1e-13 of the scale) above the least cannot be the
// best; those within it are judged exactly at the end.
class Collector
{
public:
    // target and scale in the units of the errors offered.
    Collector(double target, double scale);

    double best() const { return m_best; }
    // The error a network must not exceed to be kept.
    double bound() const { return m_best + m_margin; }
    void offer(Shape shape, std::array<std::uint16_t, 4> parts, double value);
    // Takes another's candidates, as if they had been offered here.
    void merge(Collector &&other);
    std::vector<Candidate> kept();

private:
    void prune();

    double m_target;
    double m_margin;
    double m_best;
    std::vector<Candidate> m_kept;
    std::size_t m_pruneAt = 1024;
};

// The parts in the order that makes equal networks equal: ascending within
// each group whose order does not matter.
std::array<std::uint16_t, 4> canonical(Shape shape, std::array<std::uint16_t, 4> parts);

// What the ranking compares among networks of equal error, best first:
// coarsest series, fewest distinct values, smallest spread, smallest
// largest part, then shape and values in order.
struct TieKey {
    int seriesRank = 0;
    int distinct = 0;
    Exact spread; // largest / smallest
    Exact largest;
    Shape shape = Shape::One;
    std::array<std::uint16_t, 4> part {};
};
TieKey tieKey(const PartTable &table, Shape shape, const std::array<std::uint16_t, 4> &parts);
// Negative, zero or positive as a ranks before, with or after b.
int compareTies(const TieKey &a, const TieKey &b);

} // namespace Velmora
