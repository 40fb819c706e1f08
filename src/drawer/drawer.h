#pragma once

#include "decimal.h"
#include "eseries.h"

#include <vector>

namespace Velmora {

// The most parts of one value a drawer holds: more is a typing slip, and a
// count stays well inside an int however lines add up.
inline constexpr int MostOfOne = 100000;

// The values a person keeps and how many of each: one line per value,
// in ascending order, each count at least one.
struct DrawerLine {
    Decimal value;
    int count = 1;

    bool operator==(const DrawerLine &other) const { return sameValue(value, other.value) && count == other.count; }
};

class Drawer
{
public:
    const std::vector<DrawerLine> &lines() const { return m_lines; }
    bool empty() const { return m_lines.empty(); }

    // Adds count of a value, joining a line of the same value however it
    // was written (4k7 and 4700 are one). A count stops at MostOfOne; a
    // value or count that is not positive adds nothing.
    void add(Decimal value, int count = 1);
    // Sets a value's count, up to MostOfOne; zero removes its line.
    void setCount(Decimal value, int count);
    void remove(Decimal value);
    int countOf(Decimal value) const;
    // Adds count of every member of the series from low to high, both
    // included, in whichever order they are given.
    void addSeries(ESeries series, Decimal low, Decimal high, int count = 1);

    bool operator==(const Drawer &) const = default;

private:
    // Where the value's line is, or would go.
    std::size_t place(Decimal value) const;
    bool holds(std::size_t place, Decimal value) const;

    std::vector<DrawerLine> m_lines;
};

} // namespace Velmora
