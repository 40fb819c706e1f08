#include "part.h"

namespace Velmora {

namespace {

// value × (10000 + hundredths) / 10000, exactly; nothing where the
// product would not fit, which no marking's few figures come near.
std::optional<Quantity> scaled(Quantity q, int hundredthsFromTenThousand)
{
    q.numerator = normalised(q.numerator);
    if (__builtin_mul_overflow(q.numerator.significand, 10000 + hundredthsFromTenThousand, &q.numerator.significand))
        return std::nullopt;
    q.numerator.exponent -= 4;
    return reduced(q);
}

} // namespace

std::optional<Range> rangeOf(const Part &part)
{
    if (!part.tolerance)
        return std::nullopt;
    const auto lowest = scaled(part.value, -part.tolerance->below);
    const auto highest = scaled(part.value, part.tolerance->above);
    if (!lowest || !highest)
        return std::nullopt;
    return Range {*lowest, *highest};
}

} // namespace Velmora
