#include "labelsheet.h"

#include <algorithm>
#include <cmath>

namespace Velmora {

// Printers and templates round; a label this far off the paper is still the paper's.
static constexpr double PaperTolerance = 1.0;
// Tops closer than this are one row.
static constexpr double RowTolerance = 0.01;

QString LabelSheet::name() const
{
    if (!brand.isEmpty())
        return brand + u' ' + part;
    const LabelGrid grid = grids.empty() ? LabelGrid {} : grids.front();
    return QStringLiteral("Personalizzato %1 × %2").arg(grid.columns).arg(grid.rows);
}

int LabelSheet::count() const
{
    long long n = 0;
    for (const LabelGrid &g : grids)
        if (g.columns > 0 && g.rows > 0)
            n += static_cast<long long>(g.columns) * g.rows;
    return int(std::min<long long>(n, MostLabels + 1LL));
}

std::vector<QRectF> LabelSheet::labels() const
{
    std::vector<QRectF> all;
    if (count() > MostLabels)
        return all;
    all.reserve(size_t(count()));
    for (const LabelGrid &g : grids)
        for (int r = 0; r < g.rows; ++r)
            for (int c = 0; c < g.columns; ++c)
                all.emplace_back(QPointF(g.left + c * g.pitchX, g.top + r * g.pitchY), label);
    // Rows first, each row then by left: a tolerant comparison in one sort would not be a strict order.
    std::stable_sort(all.begin(), all.end(), [](const QRectF &a, const QRectF &b) { return a.top() < b.top(); });
    for (auto row = all.begin(); row != all.end();) {
        const double top = row->top();
        auto end = std::find_if(row, all.end(), [top](const QRectF &r) { return r.top() - top >= RowTolerance; });
        std::stable_sort(row, end, [](const QRectF &a, const QRectF &b) { return a.left() < b.left(); });
        row = end;
    }
    return all;
}

bool LabelSheet::isValid() const
{
    const auto positive = [](QSizeF s) { return s.width() > 0 && s.height() > 0; };
    if (!positive(paper) || !positive(label) || radius < 0 || margin < 0 || hole < 0 || grids.empty())
        return false;
    if (count() > MostLabels)
        return false;
    for (const LabelGrid &g : grids) {
        if (g.columns < 1 || g.rows < 1)
            return false;
        // The corner labels bound the grid whichever way the pitch runs.
        const double x0 = std::min(g.left, g.left + (g.columns - 1) * g.pitchX);
        const double x1 = std::max(g.left, g.left + (g.columns - 1) * g.pitchX) + label.width();
        const double y0 = std::min(g.top, g.top + (g.rows - 1) * g.pitchY);
        const double y1 = std::max(g.top, g.top + (g.rows - 1) * g.pitchY) + label.height();
        if (!std::isfinite(x0 + x1 + y0 + y1) || x0 < -PaperTolerance || y0 < -PaperTolerance
            || x1 > paper.width() + PaperTolerance || y1 > paper.height() + PaperTolerance)
            return false;
    }
    return true;
}

LabelSheet customSheet(const QString &paperName, QSizeF paper, int columns, int rows, QSizeF label, double left,
    double top, double gapX, double gapY)
{
    LabelSheet sheet;
    sheet.paperName = paperName;
    sheet.paper = paper;
    sheet.label = label;
    sheet.grids.push_back({columns, rows, left, top, label.width() + gapX, label.height() + gapY});
    return sheet;
}

} // namespace Velmora
