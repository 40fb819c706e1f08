#pragma once

#include "decimal.h"

#include <vector>

namespace Velmora {

// The values a person keeps and how many of each: one line per value,
// in ascending order, each count at least one.
struct DrawerLine {
    Decimal value;
    int count = 1;

    bool operator==(const DrawerLine &other) const
    {
        return sameValue(value, other.value) && count == other.count;
    }
};

class Drawer
{
public:
    const std::vector<DrawerLine> &lines() const { return m_lines; }
    bool empty() const { return m_lines.empty(); }

    // Adds count of a value, joining a line of the same value however it
    // was written (4k7 and 4700 are one).
    void add(Decimal value, int count = 1);
    // Sets a value's count; zero removes its line.
    void setCount(Decimal value, int count);
    void remove(Decimal value);
    int countOf(Decimal value) const;

    bool operator==(const Drawer &) const = default;

private:
    std::vector<DrawerLine> m_lines;
};

} // namespace Velmora
