#include "bandpainting.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace Velmora {

namespace {

// No channel differs by more than a quarter of its range: white (255) and
// silver (224) on the body (239), or black on a dark window's (about 50).
constexpr int PlainDifference = 64;

bool alike(const QColor &a, const QColor &b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())})
        < PlainDifference;
}

} // namespace

// The outline is filled rather than stroked: a stroked line straddles the
// edge and, scaled by 1.5 or 1.75, loses its outer half to the clip.
void paintBand(QPainter &painter, const QRect &r, const QColor &fill, const QColor &ink, const QColor &behind)
{
    const int outline = alike(fill, behind) ? 2 : 1;
    painter.fillRect(r, ink);
    painter.fillRect(r.adjusted(outline, outline, -outline, -outline), fill);
}

} // namespace Velmora
