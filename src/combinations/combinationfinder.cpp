#include "combinationfinder.h"

#include "searchspace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

namespace Velmora {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
using Parts = std::array<std::uint16_t, 4>;

// The value X that makes X + known = target; the least there is (0) where
// none does, and without bound where the target is.
double seriesPartner(double target, double known)
{
    return target == Infinity ? Infinity : std::max(0.0, target - known);
}

// The value X that makes X || known = target; without bound where the
// target is not below known, 0 where it is not above 0.
double parallelPartner(double target, double known)
{
    if (target >= known)
        return Infinity;
    if (target <= 0)
        return 0;
    return 1 / (1 / target - 1 / known);
}

double parallel(double a, double b)
{
    return a * b / (a + b);
}

double approximate(std::span<const NetworkNode> tree, int node, const double *parts)
{
    const NetworkNode &n = tree[std::size_t(node)];
    if (n.kind == NetworkNode::Kind::Part)
        return parts[n.part];
    double sum = 0;
    for (int i = 0; i < n.childCount; ++i) {
        const double v = approximate(tree, n.children[std::size_t(i)], parts);
        sum += n.kind == NetworkNode::Kind::Series ? v : 1 / v;
    }
    return n.kind == NetworkNode::Kind::Series ? sum : 1 / sum;
}

// The entries of an ascending range nearest x: every one within a hair of
// x, and beyond them the nearest one on each side that visit accepts.
// A network only grows with each part, so for the others fixed the best
// choice of one part (or pair) is among these.
template<class Range, class ValueOf, class Visit>
void around(const Range &range, double x, ValueOf valueOf, Visit visit)
{
    if (range.empty())
        return;
    const double hair = x == Infinity ? 0 : 1e-12 * x;
    auto first = std::lower_bound(
        range.begin(), range.end(), x - hair, [&](const auto &e, double v) { return valueOf(e) < v; });
    auto it = first;
    for (; it != range.end() && valueOf(*it) <= x + hair; ++it)
        visit(*it);
    for (; it != range.end(); ++it)
        if (visit(*it))
            break;
    while (first != range.begin())
        if (visit(*--first))
            break;
}

class Search
{
public:
    Search(const CombinationQuery &query, const PartTable &table)
        : m_query(query)
        , m_table(table)
        , m_target(query.target.get_d())
    {
    }

    std::optional<Combination> best(int count);

private:
    bool cancelled() const { return m_query.cancel && m_query.cancel->load(std::memory_order_relaxed); }
    bool offer(Collector &collector, Shape shape, Parts parts) const;
    void one(Collector &collector) const;
    void two(Collector &collector) const;
    void three(Collector &collector) const;
    void four(Collector &collector);
    Combination verdict(const std::vector<Candidate> &candidates) const;

    const CombinationQuery &m_query;
    const PartTable &m_table;
    double m_target;
    std::optional<PairTable> m_series;
    std::optional<PairTable> m_parallel;
};

bool Search::offer(Collector &collector, Shape shape, Parts parts) const
{
    if (!m_table.available(parts.data(), partCount(shape)))
        return false;
    double values[4];
    for (int i = 0; i < partCount(shape); ++i)
        values[i] = m_table.value[parts[std::size_t(i)]];
    collector.offer(shape, parts, approximate(networkTree(shape), 0, values));
    return true;
}

void Search::one(Collector &collector) const
{
    for (std::size_t a = 0; a < m_table.size(); ++a)
        offer(collector, Shape::One, {std::uint16_t(a)});
}

void Search::two(Collector &collector) const
{
    const auto &values = m_table.value;
    auto self = [](double v) { return v; };
    for (std::size_t a = 0; a < m_table.size(); ++a) {
        const auto ua = std::uint16_t(a);
        for (auto [shape, x] : {std::pair {Shape::Series2, seriesPartner(m_target, values[a])},
                 std::pair {Shape::Parallel2, parallelPartner(m_target, values[a])}})
            around(values, x, self, [&](const double &b) {
                return offer(collector, shape, {ua, std::uint16_t(&b - values.data())});
            });
    }
}

void Search::three(Collector &collector) const
{
    const auto &values = m_table.value;
    auto self = [](double v) { return v; };
    for (std::size_t a = 0; a < m_table.size() && !cancelled(); ++a) {
        const auto ua = std::uint16_t(a);
        for (std::size_t c = 0; c < m_table.size(); ++c) {
            const auto uc = std::uint16_t(c);
            const double va = values[a], vc = values[c];
            const std::pair<Shape, double> wanted[] {
                {Shape::Series3, seriesPartner(m_target, va + vc)},
                {Shape::Parallel3, parallelPartner(m_target, parallel(va, vc))},
                {Shape::SeriesThenParallel3, seriesPartner(parallelPartner(m_target, vc), va)},
                {Shape::ParallelThenSeries3, parallelPartner(seriesPartner(m_target, vc), va)},
            };
            for (auto [shape, x] : wanted)
                around(values, x, self, [&](const double &b) {
                    return offer(collector, shape, {ua, std::uint16_t(&b - values.data()), uc});
                });
        }
    }
}

void Search::four(Collector &collector)
{
    if (!m_series) {
        m_series.emplace(m_table, true);
        m_parallel.emplace(m_table, false);
    }
    const auto &values = m_table.value;
    auto valueOf = [](const PairTable::Entry &e) { return e.value; };
    for (std::size_t c = 0; c < m_table.size() && !cancelled(); ++c) {
        const auto uc = std::uint16_t(c);
        for (std::size_t d = 0; d < m_table.size(); ++d) {
            const auto ud = std::uint16_t(d);
            const double vc = values[c], vd = values[d];
            const double sum = vc + vd, both = parallel(vc, vd);
            const std::tuple<Shape, bool, double> wanted[] {
                {Shape::Series4, true, seriesPartner(m_target, sum)},
                {Shape::Parallel4, false, parallelPartner(m_target, both)},
                {Shape::SeriesPairsInParallel4, true, parallelPartner(m_target, sum)},
                {Shape::ParallelPairsInSeries4, false, seriesPartner(m_target, both)},
                {Shape::SeriesThreeParallelOne4, true, seriesPartner(parallelPartner(m_target, vd), vc)},
                {Shape::ParallelThreeSeriesOne4, false, parallelPartner(seriesPartner(m_target, vd), vc)},
                {Shape::SeriesParallelSeries4, true, parallelPartner(seriesPartner(m_target, vd), vc)},
                {Shape::ParallelSeriesParallel4, false, seriesPartner(parallelPartner(m_target, vd), vc)},
                {Shape::SeriesPairParallelTwo4, true, parallelPartner(m_target, both)},
                {Shape::ParallelPairSeriesTwo4, false, seriesPartner(m_target, sum)},
            };
            for (auto [shape, series, x] : wanted)
                around((series ? m_series : m_parallel)->entries, x, valueOf, [&](const PairTable::Entry &e) {
                    return offer(collector, shape, {e.a, e.b, uc, ud});
                });
        }
    }
}

Combination Search::verdict(const std::vector<Candidate> &candidates) const
{
    std::set<std::pair<Shape, Parts>> seen;
    const Candidate *best = nullptr;
    Exact bestError;
    TieKey bestKey;
    for (const Candidate &c : candidates) {
        const Parts parts = canonical(c.shape, c.part);
        if (!seen.emplace(c.shape, parts).second)
            continue;
        std::vector<Exact> exact;
        for (int i = 0; i < partCount(c.shape); ++i)
            exact.push_back(m_table.exact[parts[std::size_t(i)]]);
        const Exact error = abs(networkValue(c.shape, exact) - m_query.target);
        const int order = best ? cmp(error, bestError) : -1;
        if (order > 0)
            continue;
        TieKey key = tieKey(m_table, c.shape, parts);
        if (order == 0 && compareTies(key, bestKey) >= 0)
            continue;
        best = &c;
        bestError = error;
        bestKey = std::move(key);
    }
    Combination combination;
    combination.shape = bestKey.shape;
    std::vector<Exact> exact, lowest, highest;
    for (int i = 0; i < partCount(bestKey.shape); ++i) {
        const std::uint16_t p = bestKey.part[std::size_t(i)];
        combination.parts.push_back(normalised(roundedDecimal(m_table.exact[p], 18)));
        exact.push_back(m_table.exact[p]);
        lowest.push_back(m_table.exact[p] * fraction(10000 - m_table.tolerance[p], 10000));
        highest.push_back(m_table.exact[p] * fraction(10000 + m_table.tolerance[p], 10000));
    }
    combination.value = networkValue(bestKey.shape, exact);
    combination.error = combination.value - m_query.target;
    combination.lowest = networkValue(bestKey.shape, lowest);
    combination.highest = networkValue(bestKey.shape, highest);
    return combination;
}

std::optional<Combination> Search::best(int count)
{
    Collector collector(m_target, m_target);
    switch (count) {
    case 1:
        one(collector);
        break;
    case 2:
        two(collector);
        break;
    case 3:
        three(collector);
        break;
    default:
        four(collector);
        break;
    }
    const std::vector<Candidate> kept = collector.kept();
    if (kept.empty() || cancelled())
        return std::nullopt;
    return verdict(kept);
}

} // namespace

std::vector<Combination> findCombinations(const CombinationQuery &query)
{
    std::vector<Combination> found;
    const PartTable table(query.source);
    if (table.size() == 0 || query.target <= 0)
        return found;
    Search search(query, table);
    for (int count = 1; count <= std::clamp(query.mostParts, 1, 4); ++count) {
        std::optional<Combination> best = search.best(count);
        if (query.cancel && query.cancel->load())
            return {};
        if (!best)
            continue; // too few parts for so many
        found.push_back(std::move(*best));
        if (found.back().exact())
            break;
    }
    return found;
}

} // namespace Velmora
