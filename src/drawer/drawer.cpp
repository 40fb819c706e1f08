#include "drawer.h"

#include <algorithm>
#include <string>

namespace Velmora {

namespace {

bool positive(Decimal value)
{
    return value.significand > 0;
}

int digitCount(std::int64_t n)
{
    return int(std::to_string(n).size());
}

// The power of ten of the value's first digit: 4700 is 3, 0.22 is -1.
int magnitude(Decimal value)
{
    value = normalised(value);
    return digitCount(value.significand) - 1 + value.exponent;
}

} // namespace

std::size_t Drawer::place(Decimal value) const
{
    // Lines come in ascending order from a file or a series: the end first.
    if (m_lines.empty() || compare(m_lines.back().value, value) < 0)
        return m_lines.size();
    return std::size_t(std::lower_bound(m_lines.begin(), m_lines.end(), value, [](const DrawerLine &line, Decimal v) {
        return compare(line.value, v) < 0;
    }) - m_lines.begin());
}

bool Drawer::holds(std::size_t place, Decimal value) const
{
    return place < m_lines.size() && sameValue(m_lines[place].value, value);
}

void Drawer::add(Decimal value, int count)
{
    if (!positive(value) || count <= 0)
        return;
    const std::size_t at = place(value);
    if (holds(at, value))
        m_lines[at].count = int(std::min<long long>(MostOfOne, (long long)m_lines[at].count + count));
    else
        m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), {normalised(value), std::min(count, MostOfOne)});
}

void Drawer::setCount(Decimal value, int count)
{
    if (count <= 0) {
        remove(value);
        return;
    }
    if (!positive(value))
        return;
    const std::size_t at = place(value);
    if (holds(at, value))
        m_lines[at].count = std::min(count, MostOfOne);
    else
        m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), {normalised(value), std::min(count, MostOfOne)});
}

void Drawer::remove(Decimal value)
{
    const std::size_t at = place(value);
    if (holds(at, value))
        m_lines.erase(m_lines.begin() + std::ptrdiff_t(at));
}

int Drawer::countOf(Decimal value) const
{
    const std::size_t at = place(value);
    return holds(at, value) ? m_lines[at].count : 0;
}

void Drawer::addSeries(ESeries series, Decimal low, Decimal high, int count)
{
    if (!positive(low) || !positive(high) || count <= 0)
        return;
    if (compare(low, high) > 0)
        std::swap(low, high);
    const std::span<const int> values = seriesValues(series);
    // A decade's significands have as many digits as the first (10 or 100).
    const int width = digitCount(values.front());
    for (int decade = magnitude(low); decade <= magnitude(high); ++decade)
        for (int v : values) {
            const Decimal member {v, decade - (width - 1)};
            if (compare(member, low) >= 0 && compare(member, high) <= 0)
                add(member, count);
        }
}

} // namespace Velmora
