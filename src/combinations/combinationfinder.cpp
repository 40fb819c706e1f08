#include "combinationfinder.h"

#include "searchspace.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <set>
#include <thread>
#include <tuple>

namespace Velmora {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
using Parts = std::array<std::uint16_t, 4>;

// Below so many parts a second thread costs more than it saves.
constexpr std::size_t ThreadsFrom = 400;

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
void aroundFrom(const Range &range, typename Range::iterator first, double to, ValueOf valueOf, Visit visit)
{
    auto it = first;
    for (; it != range.end() && valueOf(*it) <= to; ++it)
        visit(*it);
    for (; it != range.end(); ++it)
        if (visit(*it))
            break;
    while (first != range.begin())
        if (visit(*--first))
            break;
}

template<class Range, class ValueOf, class Visit>
void around(const Range &range, double x, ValueOf valueOf, Visit visit)
{
    if (range.empty())
        return;
    const double hair = x == Infinity ? 0 : 1e-12 * x;
    auto first = std::lower_bound(
        range.begin(), range.end(), x - hair, [&](const auto &e, double v) { return valueOf(e) < v; });
    aroundFrom(range, first, x + hair, valueOf, visit);
}

class Search
{
public:
    Search(const CombinationQuery &query, const PartTable &table)
        : m_query(query)
        , m_table(table)
        , m_target(table.scaled(query.target))
    {
    }

    std::optional<Combination> best(int count);

private:
    bool cancelled() const { return m_query.cancel && m_query.cancel->load(std::memory_order_relaxed); }
    bool offer(Collector &collector, Shape shape, Parts parts) const;
    // Keeps a network of n parts valued in doubles, if it is within the
    // bound and at hand; returns whether it is at hand.
    bool keep(Collector &collector, Shape shape, Parts parts, int n, double value) const
    {
        if (!m_table.available(parts.data(), n))
            return false;
        if (std::fabs(value - m_target) <= collector.bound())
            collector.offer(shape, parts, value);
        return true;
    }
    void one(Collector &collector) const;
    void two(Collector &collector) const;
    void three(Collector &collector);
    void tables();
    // Every c from first on, stride apart, of the four-part networks.
    void four(Collector &collector, std::size_t first, std::size_t stride) const;
    // The pairs nearest x in a table, each with part c (and d for four parts)
    // joined as value(pair) says.
    // want(target) is the pair that makes the network exactly target: the
    // pairs within the bound lie between want(t − bound) and want(t + bound),
    // and where the table's map holds none there, nothing is looked up.
    template<class Want, class Value>
    void look(Collector &collector, const PairTable &table, Want want, Shape shape, std::uint16_t c, Value value,
        std::optional<std::uint16_t> d = std::nullopt) const
    {
        // Doubles put the pair a hair off, more where the partner is far
        // above the target (a part in parallel with one about as large):
        // there the map is not asked.
        const double bound = collector.bound();
        if (bound < m_target) {
            const double lo = want(m_target - bound), hi = want(m_target + bound);
            const double slack = 1e-9 * hi + 1e-12 * m_target;
            if (hi <= 1e6 * m_target && !table.anyWithin(lo - slack, hi + slack))
                return;
        }
        const double x = want(m_target);
        const double hair = x == Infinity ? 0 : 1e-12 * x;
        const std::span entries(table.entries);
        const int n = d ? 4 : 3;
        aroundFrom(
            entries, entries.begin() + std::ptrdiff_t(table.lowerBound(x - hair)), x + hair,
            [&table](const PairTable::Entry &e) { return table.value(e); },
            [&](const PairTable::Entry &e) {
                return keep(collector, shape, {e.a, e.b, c, d.value_or(0)}, n, value(table.value(e)));
            });
    }
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

// The values in [from, size) nearest x, as around() takes them.
template<class Emit> void nearestFrom(const std::vector<double> &values, std::size_t from, double x, Emit emit)
{
    if (from >= values.size())
        return;
    const std::span range(values.data() + from, values.size() - from);
    around(
        range, x, [](double v) { return v; }, [&](const double &v) { return emit(std::size_t(&v - values.data())); });
}

void Search::two(Collector &collector) const
{
    const auto &v = m_table.value;
    for (std::size_t a = 0; a < m_table.size(); ++a) {
        const auto ua = std::uint16_t(a);
        nearestFrom(v, a, seriesPartner(m_target, v[a]), [&](std::size_t b) {
            return keep(collector, Shape::Series2, {ua, std::uint16_t(b)}, 2, v[a] + v[b]);
        });
        nearestFrom(v, a, parallelPartner(m_target, v[a]), [&](std::size_t b) {
            return keep(collector, Shape::Parallel2, {ua, std::uint16_t(b)}, 2, parallel(v[a], v[b]));
        });
    }
}

// A part c with a pair from the tables: a + b + c, a || b || c,
// (a + b) || c and (a || b) + c, the pair the one the target leaves.
void Search::three(Collector &collector)
{
    tables();
    const auto &v = m_table.value;
    for (std::size_t c = 0; c < m_table.size() && !cancelled(); ++c) {
        const auto uc = std::uint16_t(c);
        const double vc = v[c];
        look(
            collector, *m_series, [&](double target) { return seriesPartner(target, vc); }, Shape::Series3, uc,
            [&](double x) { return x + vc; });
        look(
            collector, *m_parallel, [&](double target) { return parallelPartner(target, vc); }, Shape::Parallel3, uc,
            [&](double x) { return parallel(x, vc); });
        look(
            collector, *m_series, [&](double target) { return parallelPartner(target, vc); },
            Shape::SeriesThenParallel3, uc, [&](double x) { return parallel(x, vc); });
        look(
            collector, *m_parallel, [&](double target) { return seriesPartner(target, vc); },
            Shape::ParallelThenSeries3, uc, [&](double x) { return x + vc; });
    }
}

// Both tables at once, one on another thread: they take a million pairs
// each over E192.
void Search::tables()
{
    if (m_series)
        return;
    if (m_table.size() < ThreadsFrom) {
        m_series.emplace(m_table, true);
        m_parallel.emplace(m_table, false);
        return;
    }
    std::thread other([this] { m_parallel.emplace(m_table, false); });
    m_series.emplace(m_table, true);
    other.join();
}

void Search::four(Collector &collector, std::size_t first, std::size_t stride) const
{
    const auto &v = m_table.value;
    const std::size_t n = m_table.size();
    const PairTable &sums = *m_series;
    const PairTable &pairs = *m_parallel;
    const double t = m_target;
    auto look = [&](const PairTable &table, auto want, Shape shape, std::uint16_t c, std::uint16_t d, auto value) {
        this->look(collector, table, want, shape, c, value, d);
    };
    // The parts nearest half the target first: their pairs come near it at
    // once, and the bound they set skips most of what follows.
    std::vector<std::uint16_t> order(n);
    std::iota(order.begin(), order.end(), std::uint16_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
        return std::fabs(std::log(v[a] * 2 / t)) < std::fabs(std::log(v[b] * 2 / t));
    });
    for (std::size_t k = first; k < n && !cancelled(); k += stride) {
        const std::size_t c = order[k];
        const auto uc = std::uint16_t(c);
        const double vc = v[c];
        for (std::size_t d = 0; d < n; ++d) {
            const auto ud = std::uint16_t(d);
            const double vd = v[d];
            const double sum = vc + vd, both = parallel(vc, vd);
            const double bound = collector.bound();
            // Where the order of c and d does not matter, c ≤ d. Each test
            // below skips a shape that cannot come within the bound: a
            // series only adds, a parallel only takes away.
            if (d >= c) {
                // Four in series: c and d are the two largest, so a + b is
                // at most 2c. Four in parallel: the two smallest, so
                // a || b is at least d / 2.
                if (sum <= t + bound) {
                    if (seriesPartner(t, sum) <= 2 * vc + bound)
                        look(
                            sums, [&](double target) { return seriesPartner(target, sum); }, Shape::Series4, uc, ud,
                            [&](double x) { return x + sum; });
                    look(
                        pairs, [&](double target) { return seriesPartner(target, sum); }, Shape::ParallelPairSeriesTwo4,
                        uc, ud, [&](double x) { return x + sum; });
                }
                if (both >= t - bound) {
                    if (parallel(vd / 2, both) <= t + bound)
                        look(
                            pairs, [&](double target) { return parallelPartner(target, both); }, Shape::Parallel4, uc,
                            ud, [&](double x) { return parallel(x, both); });
                    look(
                        sums, [&](double target) { return parallelPartner(target, both); },
                        Shape::SeriesPairParallelTwo4, uc, ud, [&](double x) { return parallel(x, both); });
                }
                // Of two pairs, c and d are the one that gives the partner
                // it looks for: in parallel the smaller, in series the
                // larger.
                if (sum >= t - bound && sum <= 2 * (t + bound))
                    look(
                        sums, [&](double target) { return parallelPartner(target, sum); },
                        Shape::SeriesPairsInParallel4, uc, ud, [&](double x) { return parallel(x, sum); });
                if (both <= t + bound && 2 * both >= t - bound)
                    look(
                        pairs, [&](double target) { return seriesPartner(target, both); },
                        Shape::ParallelPairsInSeries4, uc, ud, [&](double x) { return x + both; });
            }
            // (X || c) + d lies between d and c + d; (X + c) || d between
            // c || d and d.
            // Of three alike, c is the least in parallel (a || b at least
            // c / 2) and the largest in series (a + b at most 2c).
            if (vd <= t + bound && sum >= t - bound) {
                const auto x = [&](double target) { return parallelPartner(seriesPartner(target, vd), vc); };
                if (vc / 3 + vd <= t + bound)
                    look(pairs, x, Shape::ParallelThreeSeriesOne4, uc, ud,
                        [&](double p) { return parallel(p, vc) + vd; });
                look(sums, x, Shape::SeriesParallelSeries4, uc, ud, [&](double p) { return parallel(p, vc) + vd; });
            }
            if (vd >= t - bound && both <= t + bound) {
                const auto x = [&](double target) { return seriesPartner(parallelPartner(target, vd), vc); };
                if (parallel(3 * vc, vd) >= t - bound)
                    look(sums, x, Shape::SeriesThreeParallelOne4, uc, ud,
                        [&](double p) { return parallel(p + vc, vd); });
                look(pairs, x, Shape::ParallelSeriesParallel4, uc, ud, [&](double p) { return parallel(p + vc, vd); });
            }
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
        combination.parts.push_back(m_table.decimal[p]);
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
    default: {
        // The two halves of the parts on two threads, each with its own
        // candidates.
        tables();
        if (m_table.size() < ThreadsFrom) {
            four(collector, 0, 1);
            break;
        }
        Collector second(m_target, m_target);
        std::thread other([&] { four(second, 1, 2); });
        four(collector, 0, 2);
        other.join();
        collector.merge(std::move(second));
        break;
    }
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
