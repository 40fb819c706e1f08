#include "searchspace.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace Velmora {

namespace {

int coarsestSeries(Decimal value)
{
    const std::vector<ESeries> series = seriesOf(value);
    return series.empty() ? int(AllSeries.size()) : int(series.front());
}

} // namespace

PartTable::PartTable(const PartSource &source)
{
    std::vector<std::pair<Exact, Stock>> stock;
    for (const Stock &s : source)
        if (s.value.significand > 0 && s.count > 0)
            stock.emplace_back(exactOf(s.value), s);
    std::sort(stock.begin(), stock.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    int finest = 0;
    for (const auto &[value, s] : stock)
        finest = std::min(finest, normalised(s.value).exponent);
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, unsigned(-finest));
    unit = Exact(1) / Exact(ten);
    for (const auto &[q, s] : stock) {
        if (!exact.empty() && q == exact.back()) { // listed twice: one line
            count.back() = int(std::min<long>(long(count.back()) + s.count, Stock::Unlimited));
            continue;
        }
        exact.push_back(q);
        decimal.push_back(normalised(s.value));
        value.push_back(scaled(exact.back()));
        count.push_back(s.count);
        tolerance.push_back(s.tolerance);
        seriesRank.push_back(coarsestSeries(s.value));
    }
    // Indices are 16 bits: no source comes near, but refuse rather than wrap.
    if (value.size() > std::numeric_limits<std::uint16_t>::max()) {
        *this = PartTable(PartSource {});
        return;
    }
    m_whole = std::all_of(exact.begin(), exact.end(), [this](const Exact &v) { return whole(v); });
    m_unlimited = std::all_of(count.begin(), count.end(), [](int c) { return c >= 4; });
}

double PartTable::scaled(const Exact &ohms) const
{
    return Exact(ohms / unit).get_d();
}

bool PartTable::whole(const Exact &ohms) const
{
    const Exact units = ohms / unit;
    return units.get_den() == 1 && units < Exact(std::uint64_t(1) << 53);
}

bool PartTable::counted(const std::uint16_t *parts, int n) const
{
    for (int i = 0; i < n; ++i) {
        int uses = 0;
        for (int j = 0; j < n; ++j)
            uses += parts[j] == parts[i];
        if (uses > count[parts[i]])
            return false;
    }
    return true;
}

PairTable::PairTable(const PartTable &parts, bool series)
    : m_values(parts.value.data())
    , m_series(series)
{
    sortByValue(parts);
}

namespace {

// Positive doubles order as their bits do.
std::uint64_t bitsOf(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// About four entries to a bucket, up to 2^17 buckets.
int indexBits(std::size_t entries)
{
    int bits = 4;
    while (bits < 17 && (std::size_t(4) << bits) < entries)
        ++bits;
    return bits;
}

// How far to shift a span of bits for it to fit in so many.
int shiftFor(std::uint64_t span, int bits)
{
    int shift = 0;
    while ((span >> shift) >= (std::uint64_t(1) << bits))
        ++shift;
    return shift;
}

} // namespace

// A radix sort in two passes of 11 bits over the top 22 bits of the
// values' own bits, which order positive doubles, each entry in one word
// with its key; then, within the runs of one key, by value: several times
// faster than a comparison sort over a million pairs, and each pass writes
// to only 2048 places at a time.
void PairTable::sortByValue(const PartTable &parts)
{
    // Every a ≤ b, a = b only where there are two; a value only grows with
    // a and with b, so the least and the most are known before the pairs.
    const std::size_t n = parts.size();
    auto pairs = [&](std::size_t a) { return a + (parts.count[a] < 2); }; // the first b with a
    std::size_t first = n;
    for (std::size_t a = 0; a < n && first == n; ++a)
        if (pairs(a) < n)
            first = a;
    if (first == n)
        return;
    const std::size_t last = parts.count[n - 1] >= 2 ? n - 1 : n - 2;
    const std::uint64_t low = bitsOf(value({std::uint16_t(first), std::uint16_t(pairs(first))}));
    const std::uint64_t high = bitsOf(value({std::uint16_t(last), std::uint16_t(n - 1)}));
    const int keyShift = shiftFor(high - low, 22);
    // Rounding may put a pair a hair past the ends: its key is the end's,
    // and the pass by value below puts it in its place.
    auto key = [&](double v) { return std::uint64_t((std::clamp(bitsOf(v), low, high) - low) >> keyShift); };
    std::vector<std::uint64_t> items, other;
    items.reserve(n * (n + 1) / 2);
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = pairs(a); b < n; ++b) {
            const Entry e {std::uint16_t(a), std::uint16_t(b)};
            items.push_back(key(value(e)) << 32 | std::uint64_t(a) << 16 | b);
        }
    other.resize(items.size());
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = 32 + 11 * pass;
        std::array<std::uint32_t, 2049> start {};
        for (std::uint64_t item : items)
            ++start[((item >> shift) & 2047) + 1];
        for (std::size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        for (std::uint64_t item : items)
            other[start[(item >> shift) & 2047]++] = item;
        items.swap(other);
    }
    entries.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        entries[i] = {std::uint16_t(items[i] >> 16), std::uint16_t(items[i])};
    for (std::size_t i = 1; i < items.size(); ++i) {
        for (std::size_t j = i; j > 0 && items[j - 1] >> 32 == items[j] >> 32; --j) {
            if (!(value(entries[j - 1]) > value(entries[j])))
                break;
            std::swap(entries[j], entries[j - 1]);
            std::swap(items[j], items[j - 1]);
        }
    }

    // The index: each bucket's first entry, in one pass over the order,
    // between the ends as they are.
    m_base = bitsOf(value(entries.front()));
    const std::uint64_t span = bitsOf(value(entries.back())) - m_base;
    const int bits = indexBits(entries.size());
    m_shift = shiftFor(span, bits);
    const std::size_t buckets = (std::size_t(1) << bits) + 1;
    m_start.assign(buckets + 1, std::uint32_t(entries.size()));
    for (std::size_t i = entries.size(); i-- > 0;)
        m_start[bucketOf(value(entries[i]))] = std::uint32_t(i);
    for (std::size_t b = buckets; b-- > 0;) // an empty bucket starts where the next does
        m_start[b] = std::min(m_start[b], m_start[b + 1]);

    // The map: about sixteen slivers to an entry, up to 2^24.
    m_mapShift = shiftFor(span, std::min(bits + 6, 24));
    m_map.assign(((span >> m_mapShift) >> 6) + 1, 0);
    for (const Entry &e : entries) {
        const std::uint64_t k = (bitsOf(value(e)) - m_base) >> m_mapShift;
        m_map[k >> 6] |= std::uint64_t(1) << (k & 63);
    }
}

std::uint64_t PairTable::bucketOf(double x) const
{
    return (bitsOf(x) - m_base) >> m_shift;
}

bool PairTable::anyWithin(double lo, double hi) const
{
    if (entries.empty() || hi < value(entries.front()) || lo > value(entries.back()))
        return false;
    lo = std::max(lo, value(entries.front()));
    hi = std::min(hi, value(entries.back()));
    if (!(lo <= hi))
        return true; // not a number: let the search decide
    const std::uint64_t first = (bitsOf(lo) - m_base) >> m_mapShift;
    const std::uint64_t last = (bitsOf(hi) - m_base) >> m_mapShift;
    if (last - first > 512)
        return true;
    for (std::uint64_t k = first; k <= last; ++k)
        if (m_map[k >> 6] >> (k & 63) & 1)
            return true;
    return false;
}

std::size_t PairTable::lowerBound(double x) const
{
    if (entries.empty() || !(x > value(entries.front())))
        return 0;
    if (x > value(entries.back()))
        return entries.size();
    const std::uint64_t b = bucketOf(x);
    auto first = entries.begin() + m_start[b], last = entries.begin() + m_start[b + 1];
    return std::size_t(
        std::lower_bound(first, last, x, [this](const Entry &e, double v) { return value(e) < v; }) - entries.begin());
}

Collector::Collector(double target, double scale)
    : m_target(target)
    , m_margin(1e-13 * scale)
    , m_best(std::numeric_limits<double>::infinity())
{
}

void Collector::offer(Shape shape, std::array<std::uint16_t, 4> parts, double value)
{
    const double error = std::fabs(value - m_target);
    if (!(error <= m_best + m_margin))
        return;
    m_best = std::min(m_best, error);
    m_kept.push_back({shape, parts, error});
    if (m_kept.size() >= m_pruneAt)
        prune();
}

void Collector::prune()
{
    const double bound = this->bound();
    std::erase_if(m_kept, [bound](const Candidate &c) { return c.error > bound; });
    m_pruneAt = std::max<std::size_t>(1024, 2 * m_kept.size());
}

void Collector::merge(Collector &&other)
{
    m_best = std::min(m_best, other.m_best);
    m_kept.insert(m_kept.end(), other.m_kept.begin(), other.m_kept.end());
    other.m_kept.clear();
}

std::vector<Candidate> Collector::kept()
{
    prune();
    return std::move(m_kept);
}

std::array<std::uint16_t, 4> canonical(Shape shape, std::array<std::uint16_t, 4> p)
{
    auto sortRange = [&p](int from, int to) { std::sort(p.begin() + from, p.begin() + to); };
    switch (shape) {
    case Shape::One:
        break;
    case Shape::Series2:
    case Shape::Parallel2:
    case Shape::SeriesThenParallel3:
    case Shape::ParallelThenSeries3:
    case Shape::SeriesParallelSeries4:
    case Shape::ParallelSeriesParallel4:
        sortRange(0, 2);
        break;
    case Shape::Series3:
    case Shape::Parallel3:
    case Shape::SeriesThreeParallelOne4:
    case Shape::ParallelThreeSeriesOne4:
        sortRange(0, 3);
        break;
    case Shape::Series4:
    case Shape::Parallel4:
        sortRange(0, 4);
        break;
    case Shape::SeriesPairsInParallel4:
    case Shape::ParallelPairsInSeries4:
        sortRange(0, 2);
        sortRange(2, 4);
        if (std::pair(p[2], p[3]) < std::pair(p[0], p[1]))
            p = {p[2], p[3], p[0], p[1]};
        break;
    case Shape::SeriesPairParallelTwo4:
    case Shape::ParallelPairSeriesTwo4:
        sortRange(0, 2);
        sortRange(2, 4);
        break;
    }
    return p;
}

TieKey tieKey(const PartTable &table, Shape shape, const std::array<std::uint16_t, 4> &parts)
{
    TieKey key;
    key.shape = shape;
    key.part = parts;
    const int n = partCount(shape);
    std::uint16_t low = parts[0], high = parts[0];
    for (int i = 0; i < n; ++i) {
        key.seriesRank = std::max(key.seriesRank, table.seriesRank[parts[std::size_t(i)]]);
        low = std::min(low, parts[std::size_t(i)]);
        high = std::max(high, parts[std::size_t(i)]);
        bool seen = false;
        for (int j = 0; j < i; ++j)
            seen = seen || parts[std::size_t(j)] == parts[std::size_t(i)];
        key.distinct += !seen;
    }
    key.largest = table.exact[high];
    key.spread = table.exact[high] / table.exact[low];
    return key;
}

int compareTies(const TieKey &a, const TieKey &b)
{
    if (a.seriesRank != b.seriesRank)
        return a.seriesRank < b.seriesRank ? -1 : 1;
    if (a.distinct != b.distinct)
        return a.distinct < b.distinct ? -1 : 1;
    if (const int c = cmp(a.spread, b.spread); c != 0)
        return c;
    if (const int c = cmp(a.largest, b.largest); c != 0)
        return c;
    if (a.shape != b.shape)
        return a.shape < b.shape ? -1 : 1;
    // Indices ascend with the values.
    return a.part < b.part ? -1 : a.part == b.part ? 0 : 1;
}

} // namespace Velmora
