#pragma once

#include "exact.h"

#include <initializer_list>
#include <vector>

// What both brute forces count with, kept apart from the finder's own
// arithmetic: whole-ohm values as p/q in 128 bits, and the series typed here.
namespace BruteForce {

__extension__ typedef __int128 Wide;

struct Fraction {
    Wide p;
    Wide q;
};

inline Fraction series(Fraction x, Fraction y)
{
    return {x.p * y.q + y.p * x.q, x.q * y.q};
}

inline Fraction parallel(Fraction x, Fraction y)
{
    return {x.p * y.p, x.p * y.q + y.p * x.q};
}

inline Fraction fractionOf(const Velmora::Exact &q)
{
    return {Wide(q.get_num().get_si()), Wide(q.get_den().get_si())};
}

// E6 and E12 from IEC 60063.
inline const std::vector<long> E6 {10, 15, 22, 33, 47, 68};
inline const std::vector<long> E12 {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

inline std::vector<long> decades(const std::vector<long> &series, std::initializer_list<long> scales)
{
    std::vector<long> values;
    for (long scale : scales)
        for (long v : series)
            values.push_back(v * scale);
    return values;
}

} // namespace BruteForce
