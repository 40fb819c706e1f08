#include "dividerfinder.h"

#include "searchspace.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <thread>
#include <tuple>

namespace Velmora {

namespace {

using Parts = std::array<std::uint16_t, 4>;

// A leg as the search sees it: one part, or two in series or parallel.
struct LegEntry {
    double value;
    Shape shape;
    std::uint16_t a;
    std::uint16_t b;
};

std::vector<LegEntry> legsOf(const PartTable &table, int parts)
{
    std::vector<LegEntry> legs;
    if (parts == 1) {
        for (std::size_t a = 0; a < table.size(); ++a)
            legs.push_back({table.value[a], Shape::One, std::uint16_t(a), 0});
        return legs;
    }
    // Each table is in order already: merge them. A million pairs each
    // over E192: one table on another thread.
    std::optional<PairTable> series, parallels;
    std::thread other([&] { parallels.emplace(table, false); });
    series.emplace(table, true);
    other.join();
    const auto &s = series->entries, &p = parallels->entries;
    legs.reserve(s.size() + p.size());
    std::size_t i = 0, j = 0;
    while (i < s.size() || j < p.size()) {
        const double x = i < s.size() ? series->value(s[i]) : 0, y = j < p.size() ? parallels->value(p[j]) : 0;
        if (j == p.size() || (i < s.size() && x <= y)) {
            legs.push_back({x, Shape::Series2, s[i].a, s[i].b});
            ++i;
        } else {
            legs.push_back({y, Shape::Parallel2, p[j].a, p[j].b});
            ++j;
        }
    }
    return legs;
}

struct DividerCandidate {
    LegEntry upper;
    LegEntry lower;
    double error;
};

std::vector<Exact> exactParts(const PartTable &table, Shape shape, const std::uint16_t *parts, int toleranceSign)
{
    std::vector<Exact> exact;
    for (int i = 0; i < partCount(shape); ++i)
        exact.push_back(table.exact[parts[i]] * fraction(10000 + toleranceSign * table.tolerance[parts[i]], 10000));
    return exact;
}

// A leg's value alone, for deciding a total at its bound.
Exact legValue(const PartTable &table, Shape shape, const std::uint16_t *parts)
{
    const Exact &a = table.exact[parts[0]];
    if (shape == Shape::One)
        return a;
    const Exact &b = table.exact[parts[1]];
    return shape == Shape::Series2 ? Exact(a + b) : Exact(a * b / (a + b));
}

Leg legOf(const PartTable &table, Shape shape, const std::uint16_t *parts)
{
    Leg leg;
    leg.shape = shape;
    for (int i = 0; i < partCount(shape); ++i)
        leg.parts.push_back(table.decimal[parts[i]]);
    leg.value = networkValue(shape, exactParts(table, shape, parts, 0));
    leg.lowest = networkValue(shape, exactParts(table, shape, parts, -1));
    leg.highest = networkValue(shape, exactParts(table, shape, parts, 1));
    return leg;
}

class Search
{
public:
    Search(const DividerQuery &query, const PartTable &table)
        : m_query(query)
        , m_table(table)
        , m_ratio(query.ratio.get_d())
        , m_load(query.load ? table.scaled(*query.load) : 0)
        , m_lowest(table.scaled(query.totalLowest))
        , m_highest(table.scaled(query.totalHighest))
        // Without a load or a parallel leg a total is a sum of parts,
        // exact in doubles, and so is a whole bound.
        , m_exactSums(
              !query.load && table.allWhole() && table.whole(query.totalLowest) && table.whole(query.totalHighest))
    {
    }

    std::optional<Divider> best(int parts);
    bool cancelled() const { return m_query.cancel && m_query.cancel->load(std::memory_order_relaxed); }

private:
    const std::vector<LegEntry> &legs(int parts)
    {
        auto &legs = parts == 1 ? m_one : m_two;
        if (legs.empty())
            legs = legsOf(m_table, parts);
        return legs;
    }
    // What the source sees of the lower leg: the leg, and the load across it.
    double seen(double lower) const { return m_query.load ? lower * m_load / (lower + m_load) : lower; }
    Exact seen(const Exact &lower) const
    {
        return m_query.load ? lower * *m_query.load / (lower + *m_query.load) : lower;
    }
    bool withinBounds(const Exact &lower, const Exact &upper) const
    {
        const Exact total = seen(lower) + upper;
        return total >= m_query.totalLowest && total <= m_query.totalHighest;
    }
    // The lower legs from first on, stride apart, with their best upper legs.
    void split(int lowerParts, int upperParts, std::vector<DividerCandidate> &kept, double &bestError,
        std::size_t first = 0, std::size_t stride = 1);
    Divider verdict(const std::vector<DividerCandidate> &candidates) const;

    const DividerQuery &m_query;
    const PartTable &m_table;
    double m_ratio;
    double m_load;
    double m_lowest;
    double m_highest;
    bool m_exactSums;
    std::vector<LegEntry> m_one;
    std::vector<LegEntry> m_two;
};

// Doubles carry a ratio to about 1e-15 of itself: a divider more than this
// above the least error found cannot be the best.
constexpr double Margin = 1e-13;
// And a total to within 1e-15 of itself: nearer a bound than this, only
// exact arithmetic tells which side it is on.
constexpr double BoundHair = 1e-14;

void Search::split(int lowerParts, int upperParts, std::vector<DividerCandidate> &kept, double &bestError,
    std::size_t first, std::size_t stride)
{
    const std::vector<LegEntry> &lowers = legs(lowerParts);
    const std::vector<LegEntry> &uppers = legs(upperParts);
    auto offer = [&](const LegEntry &lower, const LegEntry &upper, double x) {
        const double total = upper.value + x;
        if (total < m_lowest * (1 - BoundHair) || total > m_highest * (1 + BoundHair))
            return false;
        const std::uint16_t parts[4] {lower.a, lower.b, upper.a, upper.b};
        if (!m_table.unlimited()) {
            std::uint16_t used[4];
            int n = 0;
            for (int i = 0; i < partCount(lower.shape); ++i)
                used[n++] = parts[i];
            for (int i = 0; i < partCount(upper.shape); ++i)
                used[n++] = parts[2 + i];
            if (!m_table.available(used, n))
                return false;
        }
        const double error = std::fabs(x / total - m_ratio);
        if (error > bestError + Margin)
            return true; // and any farther out is worse still
        // Doubles cannot tell a total a hair from a bound: there, exactly.
        const bool sums = m_exactSums && lower.shape != Shape::Parallel2 && upper.shape != Shape::Parallel2;
        if (sums && (total < m_lowest || total > m_highest))
            return false;
        if (!sums && (total < m_lowest * (1 + BoundHair) || total > m_highest * (1 - BoundHair))
            && !withinBounds(legValue(m_table, lower.shape, parts), legValue(m_table, upper.shape, parts + 2)))
            return false;
        {
            bestError = std::min(bestError, error);
            kept.push_back({upper, lower, error});
        }
        return true;
    };
    auto valueOf = [](const LegEntry &e) { return e.value; };
    Finger<LegEntry, decltype(valueOf)> finger(uppers, valueOf);
    // One lower leg and the upper legs next to the ideal one; false once no
    // leg farther out can come within the best error: the ratio is at least
    // x / highest total, and at most x / lowest.
    auto visit = [&](std::size_t i, bool ascending) {
        const LegEntry &lower = lowers[i];
        const double x = seen(lower.value);
        const double slack = bestError + Margin;
        if (ascending ? x > (m_ratio + slack) * m_highest : x < (m_ratio - slack) * m_lowest)
            return false;
        // The ratio falls as the upper leg grows: the best upper leg within
        // the total's bounds is next to the ideal one, or to the bound.
        const double lo = m_lowest - x, hi = m_highest - x;
        if (hi <= 0)
            return !ascending;
        const double ideal = std::clamp(x * (1 - m_ratio) / m_ratio, std::max(lo, 0.0), hi);
        const double hair = 1e-12 * ideal;
        auto from = uppers.begin() + std::ptrdiff_t(finger.lowerBound(ideal - hair));
        auto it = from;
        for (; it != uppers.end() && it->value <= ideal + hair; ++it)
            offer(lower, *it, x);
        for (; it != uppers.end() && it->value <= hi * (1 + 1e-12); ++it)
            if (offer(lower, *it, x))
                break;
        while (from != uppers.begin() && (from - 1)->value >= lo * (1 - 1e-12))
            if (offer(lower, *--from, x))
                break;
        return true;
    };
    // From the lower legs that give the ratio at the lowest total upwards,
    // then down from there, so that the best error is small early.
    const std::size_t start = std::size_t(std::partition_point(lowers.begin(), lowers.end(), [&](const LegEntry &e) {
        return seen(e.value) < m_ratio * m_lowest;
    }) - lowers.begin());
    for (std::size_t i = start + first; i < lowers.size(); i += stride) {
        if ((i - start) % 4096 < stride && cancelled())
            return;
        if (!visit(i, true))
            break;
    }
    for (std::size_t k = first; k < start; k += stride) {
        if (k % 4096 < stride && cancelled())
            return;
        if (!visit(start - 1 - k, false))
            break;
    }
}

Divider Search::verdict(const std::vector<DividerCandidate> &candidates) const
{
    std::optional<Divider> best;
    TieKey bestKey;
    Exact bestSpread; // how far the total is from the bounds' middle, squared
    std::set<std::tuple<Shape, Parts, Shape, Parts>> judged;
    const Exact middleSquared = m_query.totalLowest * m_query.totalHighest;
    for (const DividerCandidate &c : candidates) {
        Parts upper = canonical(c.upper.shape, {c.upper.a, c.upper.b});
        Parts lower = canonical(c.lower.shape, {c.lower.a, c.lower.b});
        if (!judged.emplace(c.upper.shape, upper, c.lower.shape, lower).second)
            continue;
        Divider d;
        d.upper = legOf(m_table, c.upper.shape, upper.data());
        d.lower = legOf(m_table, c.lower.shape, lower.data());
        const Exact x = seen(d.lower.value);
        d.total = d.upper.value + x;
        d.ratio = x / d.total;
        d.error = d.ratio - m_query.ratio;
        // The key over all the parts, then the legs as a four-part shape would.
        Parts all {};
        int n = 0;
        for (int i = 0; i < partCount(c.lower.shape); ++i)
            all[std::size_t(n++)] = lower[std::size_t(i)];
        for (int i = 0; i < partCount(c.upper.shape); ++i)
            all[std::size_t(n++)] = upper[std::size_t(i)];
        const Shape asMany = n == 2 ? Shape::Series2 : n == 3 ? Shape::Series3 : Shape::Series4;
        TieKey key = tieKey(m_table, asMany, all);
        key.shape = Shape(int(c.lower.shape) * 3 + int(c.upper.shape));
        const Exact ts = d.total * d.total;
        const Exact spread = ts > middleSquared ? ts / middleSquared : middleSquared / ts;
        int order = best ? cmp(abs(d.error), abs(best->error)) : -1;
        if (order == 0 && key.seriesRank != bestKey.seriesRank)
            order = key.seriesRank < bestKey.seriesRank ? -1 : 1;
        if (order == 0 && key.distinct != bestKey.distinct)
            order = key.distinct < bestKey.distinct ? -1 : 1;
        if (order == 0)
            order = cmp(key.spread, bestKey.spread);
        if (order == 0)
            order = cmp(spread, bestSpread);
        if (order == 0)
            order = compareTies(key, bestKey);
        if (order >= 0)
            continue;
        best = std::move(d);
        bestKey = std::move(key);
        bestSpread = spread;
    }
    Divider d = *best;
    // Lower low and upper high give the least ratio; the reverse the most.
    auto ratioOf
        = [this](const Exact &lower, const Exact &upper) -> Exact { return seen(lower) / (seen(lower) + upper); };
    d.ratioLowest = ratioOf(d.lower.lowest, d.upper.highest);
    d.ratioHighest = ratioOf(d.lower.highest, d.upper.lowest);
    return d;
}

std::optional<Divider> Search::best(int parts)
{
    std::vector<DividerCandidate> kept;
    double bestError = std::numeric_limits<double>::infinity();
    for (int lower = 1; lower <= 2; ++lower) {
        const int upper = parts - lower;
        if (upper < 1 || upper > 2)
            continue;
        legs(lower);
        legs(upper);
        if (legs(lower).size() < 100000) {
            split(lower, upper, kept, bestError);
            continue;
        }
        // Half the lower legs on another thread, with candidates of its own.
        std::vector<DividerCandidate> otherKept;
        double otherError = std::numeric_limits<double>::infinity();
        std::thread other([&] { split(lower, upper, otherKept, otherError, 1, 2); });
        split(lower, upper, kept, bestError, 0, 2);
        other.join();
        kept.insert(kept.end(), otherKept.begin(), otherKept.end());
        bestError = std::min(bestError, otherError);
    }
    std::erase_if(kept, [&](const DividerCandidate &c) { return c.error > bestError + Margin; });
    if (kept.empty() || cancelled())
        return std::nullopt;
    Divider d = verdict(kept);
    if (d.upper.parts.empty())
        return std::nullopt;
    return d;
}

} // namespace

std::vector<Divider> findDividers(const DividerQuery &query)
{
    std::vector<Divider> found;
    const PartTable table(query.source);
    if (table.size() == 0 || query.ratio <= 0 || query.ratio >= 1 || query.totalLowest > query.totalHighest
        || (query.load && *query.load <= 0))
        return found;
    Search search(query, table);
    for (int parts = 2; parts <= std::clamp(query.mostParts, 2, 4); ++parts) {
        std::optional<Divider> best = search.best(parts);
        if (search.cancelled())
            return {};
        if (!best)
            continue;
        found.push_back(std::move(*best));
        if (found.back().error == 0)
            break;
    }
    return found;
}

} // namespace Velmora
