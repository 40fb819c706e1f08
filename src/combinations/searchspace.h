#pragma once

#include "exact.h"
#include "network.h"
#include "partsource.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Velmora {

// The source's values ready for searching: ascending, as doubles for the
// search's arithmetic and exactly for its verdict.
struct PartTable {
    std::vector<double> value;
    std::vector<Exact> exact;
    std::vector<int> count;
    std::vector<int> tolerance;
    std::vector<int> seriesRank; // the coarsest E series holding the value, 7 for none

    explicit PartTable(const PartSource &source);
    std::size_t size() const { return value.size(); }
    bool unlimited() const { return m_unlimited; }
    // Whether the parts named (n of them) are there as often as they are used.
    bool available(const std::uint16_t *parts, int n) const;

private:
    bool m_unlimited = true; // every value there at least four times
};

// Every network of two parts, a ≤ b, of one kind (series or parallel),
// ascending by value.
struct PairTable {
    struct Entry {
        double value;
        std::uint16_t a;
        std::uint16_t b;
    };
    std::vector<Entry> entries;

    PairTable(const PartTable &parts, bool series);
    // The first entry not below x, as std::lower_bound finds it, found
    // through the index in a handful of entries rather than twenty steps
    // over the whole table.
    std::size_t lowerBound(double x) const;

private:
    void sortByValue();
    std::uint64_t bucketOf(double x) const;

    std::uint64_t m_base = 0; // the bits of the least value
    int m_shift = 0;
    std::vector<std::uint32_t> m_start; // per bucket, its first entry
};

// A network the search found: its shape and its parts, as indices into the
// part table in the shape's canonical order, and its error in doubles.
struct Candidate {
    Shape shape;
    std::array<std::uint16_t, 4> part;
    double error;
};

// The candidates near the least error found. Doubles are exact to about
// 1e-16 of a value, so a network whose error in doubles is more than the
// margin above the least cannot be the best; those within it are judged
// exactly at the end.
class Collector
{
public:
    // target and scale in the units of the errors offered.
    Collector(double target, double scale);

    double best() const { return m_best; }
    // The error a network must not exceed to be kept.
    double bound() const { return m_best + m_margin; }
    void offer(Shape shape, std::array<std::uint16_t, 4> parts, double value);
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
