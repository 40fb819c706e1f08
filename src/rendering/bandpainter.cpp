#include "bandpainter.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace Velmora {

namespace {

// No channel differs by more than a quarter of its range: white (255) and
// silver (224) on the body (239), or black on a dark window's (about 50).
constexpr int PlainDifference = 64;

QRect through(const QPoint &from, const QPoint &to)
{
    return QRect(from, to).normalized();
}

} // namespace

BandPainter::BandPainter(const QColor &ink, const QColor &behind)
    : m_ink(ink)
    , m_behind(behind)
{
}

bool BandPainter::nearBehind(const QColor &fill) const
{
    return std::max({std::abs(fill.red() - m_behind.red()), std::abs(fill.green() - m_behind.green()),
               std::abs(fill.blue() - m_behind.blue())})
        < PlainDifference;
}

void BandPainter::paintBody(QPainter &painter, const QRect &body, const QRect &leads) const
{
    const QRect lines[] {
        through(body.topLeft(), body.topRight()),
        through(body.bottomLeft(), body.bottomRight()),
        through(body.topLeft(), body.bottomLeft()),
        through(body.topRight(), body.bottomRight()),
    };
    for (const QRect &r : lines)
        painter.fillRect(r, m_ink);
    if (leads.isNull())
        return;
    const QRect leadLines[] {
        through(leads.topLeft(), QPoint(body.left(), leads.top())),
        through(leads.bottomLeft(), QPoint(body.left(), leads.bottom())),
        through(leads.topLeft(), leads.bottomLeft()),
        through(QPoint(body.right(), leads.top()), leads.topRight()),
        through(QPoint(body.right(), leads.bottom()), leads.bottomRight()),
        through(leads.topRight(), leads.bottomRight()),
    };
    for (const QRect &r : leadLines)
        painter.fillRect(r, m_ink);
}

void BandPainter::paintBand(QPainter &painter, const QRect &r, const std::optional<QColor> &fill) const
{
    const int outline = fill && nearBehind(*fill) ? 2 : 1;
    painter.fillRect(r, m_ink);
    painter.fillRect(r.adjusted(outline, outline, -outline, -outline), fill.value_or(m_behind));
}

} // namespace Velmora
