// The combination finder's worst cases a person can type, each timed in
// process: four parts over E192 from 1 Ω to 10 MΩ, the same as a divider,
// three parts over E24. The worst target of a list spread over the range
// (and odd enough never to be met exactly early) is timed, and beside it the
// straightforward meet-in-the-middle a finder is usually built as: a sorted
// table of every one- and two-part value, searched for each entry's partner.
#include "combinationfinder.h"
#include "dividerfinder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace Velmora;

namespace {

PartSource series(ESeries s)
{
    return seriesParts(s, {1, 0}, {1, 7}, usualTolerance(s));
}

// Targets of seven figures across the range, in ohms, and ratios.
const char *const Targets[] {"1234567/1000", "7654321/100000", "98765432/1000", "12345678/10", "3141593/1000",
    "2718281/10", "1618034/10000", "8675309/1000", "4444443/100"};
const char *const Ratios[] {
    "123457/1000000", "33/50", "999999/1000000", "1/1000", "271828/1000000", "7/9", "314159/1000000"};

Exact exact(const char *text)
{
    Exact q(text);
    q.canonicalize();
    return q;
}

template<class List, class Run> Exact slowestOf(const List &list, Run run, const char *what)
{
    Exact worst;
    double longest = -1;
    for (const char *text : list) {
        const auto start = std::chrono::steady_clock::now();
        run(exact(text));
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > longest) {
            longest = ms;
            worst = exact(text);
        }
    }
    std::fprintf(stderr, "%s: worst target %s\n", what, fractionText(worst).c_str());
    return worst;
}

CombinationQuery query(ESeries s, int parts, const Exact &target)
{
    return {target, parts, series(s), nullptr};
}

// The baseline: every network X op Y with X and Y from the sorted table of
// one- and two-part values, the partner found by binary search.
double baseline(const PartSource &source, double target)
{
    std::vector<double> table;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const double a = exactOf(source[i].value).get_d();
        table.push_back(a);
        for (std::size_t j = i; j < source.size(); ++j) {
            const double b = exactOf(source[j].value).get_d();
            table.push_back(a + b);
            table.push_back(a * b / (a + b));
        }
    }
    std::sort(table.begin(), table.end());
    double best = INFINITY;
    auto nearest = [&](double x, auto value) {
        const auto it = std::lower_bound(table.begin(), table.end(), x);
        if (it != table.end())
            best = std::min(best, std::fabs(value(*it) - target));
        if (it != table.begin())
            best = std::min(best, std::fabs(value(*(it - 1)) - target));
    };
    for (double x : table) {
        nearest(target - x, [x](double y) { return x + y; });
        if (x > target)
            nearest(1 / (1 / target - 1 / x), [x](double y) { return x * y / (x + y); });
    }
    return best;
}

// The slowest of the targets for four parts, once for both timings.
const Exact &worstFour()
{
    static const Exact target = slowestOf(
        Targets, [](const Exact &t) { findCombinations(query(ESeries::E192, 4, t)); }, "combina, 4 parti, E192");
    return target;
}

void fourE192(benchmark::State &state)
{
    const CombinationQuery q = query(ESeries::E192, 4, worstFour());
    for (auto _ : state)
        benchmark::DoNotOptimize(findCombinations(q));
}

void baselineE192(benchmark::State &state)
{
    const double target = worstFour().get_d();
    const PartSource source = series(ESeries::E192);
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline(source, target));
}

void threeE24(benchmark::State &state)
{
    static const Exact target = slowestOf(
        Targets, [](const Exact &t) { findCombinations(query(ESeries::E24, 3, t)); }, "combina, 3 parti, E24");
    const CombinationQuery q = query(ESeries::E24, 3, target);
    for (auto _ : state)
        benchmark::DoNotOptimize(findCombinations(q));
}

DividerQuery divider(const Exact &ratio)
{
    DividerQuery q;
    q.ratio = ratio;
    q.mostParts = 4;
    q.source = series(ESeries::E192);
    return q;
}

void dividerE192(benchmark::State &state)
{
    static const Exact ratio = slowestOf(
        Ratios, [](const Exact &r) { findDividers(divider(r)); }, "partitore, 4 parti, E192");
    const DividerQuery q = divider(ratio);
    for (auto _ : state)
        benchmark::DoNotOptimize(findDividers(q));
}

} // namespace

BENCHMARK(fourE192)->Name("combina: 4 parts, E192")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(baselineE192)->Name("baseline: 4 parts, E192")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(dividerE192)->Name("partitore: 4 parts, E192")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(threeE24)->Name("combina: 3 parts, E24")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
