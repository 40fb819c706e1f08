#include "colourcode.h"

#include <QColor>

#include <algorithm>

namespace Velmora {

std::optional<Colour> colourNamed(std::string_view name)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const auto same = [&](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == y; });
    };
    if (same(name, "blu"))
        return Colour::LightBlue;
    for (int c = 0; c <= int(Colour::Pink); ++c)
        if (same(name, colourRow(Colour(c)).listText))
            return Colour(c);
    return std::nullopt;
}

QColor displayColor(ColourRef c)
{
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace Velmora
