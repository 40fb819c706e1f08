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
    const QRect inside = r.adjusted(outline, outline, -outline, -outline);
    // Too small for an outline around anything: the colour alone.
    if (inside.isEmpty()) {
        painter.fillRect(r, fill.value_or(m_ink));
        return;
    }
    painter.fillRect(r, m_ink);
    painter.fillRect(inside, fill.value_or(m_behind));
}

void BandPainter::paintResistor(
    QPainter &painter, const QRect &area, std::span<const std::optional<QColor>> bands) const
{
    const int third = area.height() / 3;
    const QRect leads(area.left(), area.top() + third, area.width(), area.height() - 2 * third);
    const int inset = area.width() / 5;
    const QRect body = area.adjusted(inset, 0, -inset, 0);
    paintBody(painter, body, leads);
    if (bands.empty())
        return;
    // Band places of one width with one of gap, and two more before the last.
    const int n = int(bands.size());
    const int places = 2 * n + 1 + (n > 1 ? 2 : 0);
    const int width = std::max(1, body.width() / places);
    int x = body.left() + (body.width() - (places - 2) * width) / 2;
    for (int i = 0; i < n; ++i) {
        if (i == n - 1 && n > 1)
            x += 2 * width;
        paintBand(painter, QRect(x, body.top(), width, body.height()), bands[std::size_t(i)]);
        x += 2 * width;
    }
}

} // namespace Velmora
