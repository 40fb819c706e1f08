#pragma once

#include "exact.h"
#include "network.h"
#include "partsource.h"

#include <atomic>
#include <optional>
#include <vector>

namespace Velmora {

// A network of parts and what it comes to, exactly, in ohms.
struct Combination {
    Shape shape = Shape::One;
    std::vector<Decimal> parts; // in the shape's order
    Exact value;
    Exact error; // value − target: negative when below it
    // The least and most the network can be with every part at the edge of
    // its tolerance, all low or all high: a series-parallel network only
    // grows with each of its parts.
    Exact lowest;
    Exact highest;

    bool exact() const { return error == 0; }
};

struct CombinationQuery {
    Exact target; // positive
    int mostParts = 3; // 1 to 4
    PartSource source;
    // Set from another thread to end the search early, with no answers.
    const std::atomic_bool *cancel = nullptr;
};

// The best network of each number of parts from one to query.mostParts,
// fewer parts first, ending at the first exact one. The best of a number of
// parts is the one with the least |value − target| over every shape and
// every choice of parts the source allows (a value no more often than its
// count); among equal errors, the one whose parts are easiest to buy and
// closest in value:
//   1. the coarsest E series that holds every part (E3 before E6 ...,
//      a value in none last);
//   2. fewer distinct values;
//   3. the smallest ratio of the largest part to the smallest;
//   4. the smaller largest part;
//   5. the shapes' order, then the parts' values in order.
// Empty where the source has no part, or when cancelled.
std::vector<Combination> findCombinations(const CombinationQuery &query);

} // namespace Velmora
