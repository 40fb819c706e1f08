#pragma once

#include "combinationfinder.h"

namespace Velmora {

// One leg of a divider: a part or a network of two.
struct Leg {
    Shape shape = Shape::One;
    std::vector<Decimal> parts;
    Exact value;
    Exact lowest;
    Exact highest;
};

// Vin across upper and lower in series, Vout across the lower leg (and the
// load, when there is one).
struct Divider {
    Leg upper;
    Leg lower;
    Exact ratio; // Vout / Vin
    Exact error; // ratio − the ratio asked for
    Exact total; // what Vin sees: upper + (lower || load)
    // The ratio with the legs at opposite edges of their tolerances: lower
    // low and upper high, then lower high and upper low.
    Exact ratioLowest;
    Exact ratioHighest;

    int partCount() const { return int(upper.parts.size() + lower.parts.size()); }
};

struct DividerQuery {
    Exact ratio; // Vout / Vin, strictly between 0 and 1
    int mostParts = 4; // 2 to 4, in both legs together
    PartSource source;
    Exact totalLowest = 1000; // bounds on total, both included
    Exact totalHighest = 1000000;
    std::optional<Exact> load; // across the lower leg
    const std::atomic_bool *cancel = nullptr;
};

// The best divider of each number of parts from two to query.mostParts,
// fewer first, ending at the first exact one: the least |ratio − asked|
// with the total within its bounds; among equal errors rules 1 to 3 of the
// combinations over all its parts, then the total nearer the middle of its
// bounds (their geometric mean), then the legs' shapes and values in order.
// Empty where nothing fits the bounds.
std::vector<Divider> findDividers(const DividerQuery &query);

} // namespace Velmora
