// The identification's worst case a person can enter: six bands, two of
// them unknown, the other four each red or orange, either end band 1, with a
// measurement to judge each reading by. Of the fifteen places the two
// unknown bands can take, the one with the most readings is timed.
#include "identification.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace Velmora;

namespace {

Sighting worstCase()
{
    Sighting worst;
    std::size_t most = 0;
    for (int first = 0; first < 6; ++first) {
        for (int second = first + 1; second < 6; ++second) {
            Sighting s;
            for (int band = 0; band < 6; ++band)
                s.bands.push_back(band == first || band == second
                        ? AnyColour
                        : ColourSet(colourBit(Colour::Red) | colourBit(Colour::Orange)));
            s.measured = Measurement {{22, 2}, 100};
            if (const std::size_t found = identify(s).found; found > most) {
                most = found;
                worst = s;
            }
        }
    }
    std::fprintf(stderr, "worst case: %zu readings\n", most);
    return worst;
}

void worst(benchmark::State &state)
{
    static const Sighting sighting = worstCase();
    for (auto _ : state)
        benchmark::DoNotOptimize(identify(sighting));
}

} // namespace

BENCHMARK(worst)->Name("identify: worst case")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK_MAIN();
