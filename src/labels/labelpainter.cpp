#include "labelpainter.h"

#include "bandpainter.h"
#include "colourcode.h"
#include "labeltext.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Velmora {

namespace {

// At scale 1: the type in points, the lengths in millimetres.
constexpr double CodePoints = 12.0;
constexpr double TextPoints = 8.5;
constexpr double NamePoints = 6.0;
constexpr double SmdPoints = 7.0;
constexpr double DrawingHeight = 4.0;
constexpr double DrawingWidth = 16.0;
constexpr double RowGap = 0.6;
constexpr double NameGap = 1.0;
// The resistor's outlines are drawn in units of this many millimetres, so
// that they print as thin lines and not as one printer dot.
constexpr double DrawingUnit = 0.1;

constexpr double ReferenceDpi = 1200.0;
constexpr double MmPerInch = 25.4;

QFont labelFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The type measured in millimetres, whatever device it is drawn on.
struct Measure {
    QFont font;
    double width(const QString &text) const { return metrics().horizontalAdvance(text) * MmPerInch / ReferenceDpi; }
    double ascent() const { return metrics().ascent() * MmPerInch / ReferenceDpi; }
    double descent() const { return metrics().descent() * MmPerInch / ReferenceDpi; }
    QFontMetricsF metrics() const
    {
        static const QImage reference = [] {
            QImage image(1, 1, QImage::Format_RGB32);
            const int dotsPerMeter = int(std::lround(ReferenceDpi / MmPerInch * 1000.0));
            image.setDotsPerMeterX(dotsPerMeter);
            image.setDotsPerMeterY(dotsPerMeter);
            return image;
        }();
        return QFontMetricsF(font, &reference);
    }
};

} // namespace

// A line of the label, laid out from the box's left edge.
struct LabelPainter::Row {
    enum class Kind { Header, Bands, Smd } kind = Kind::Header;
    double height = 0;
    double width = 0;
    double scale = 1;
    const std::vector<Colour> *bands = nullptr;
    QString names; // beside the bands
    // The header's pieces in order, each bold or not.
    std::vector<std::pair<QString, bool>> pieces;
};

LabelPainter::LabelPainter(const LabelContent &content)
    : m_content(content)
{
}

bool LabelPainter::wanted(const LabelText &text, LabelLine line) const
{
    if (!m_content.shows(line))
        return false;
    switch (line) {
    case LabelLine::ColourNames:
        return (m_content.fourBands && !text.fourBands.empty()) || (m_content.fiveBands && !text.fiveBands.empty());
    case LabelLine::Smd:
        return !text.smd.isEmpty();
    case LabelLine::FiveBands:
        return !text.fiveBands.empty();
    case LabelLine::FourBands:
        return !text.fourBands.empty();
    case LabelLine::Tolerance:
    case LabelLine::Value:
        return true;
    }
    return false;
}

std::vector<LabelPainter::Row> LabelPainter::rows(const LabelText &text, const LabelFit &fit) const
{
    const double s = fit.scale;
    const auto on = [&](LabelLine line) { return fit.keeps(line) && wanted(text, line); };
    std::vector<Row> rows;

    Row header;
    header.kind = Row::Kind::Header;
    if (m_content.code && !text.code.isEmpty())
        header.pieces.emplace_back(text.code, true);
    if (on(LabelLine::Value))
        header.pieces.emplace_back(text.value, false);
    if (on(LabelLine::Tolerance))
        header.pieces.emplace_back(text.tolerance, false);
    if (!header.pieces.empty()) {
        const Measure bold {labelFont(CodePoints * s, true)};
        const Measure plain {labelFont(TextPoints * s)};
        const bool hasBold = header.pieces.front().second;
        const double ascent = hasBold ? bold.ascent() : plain.ascent();
        const double descent = std::max(plain.descent(), hasBold ? bold.descent() : 0.0);
        header.height = ascent + descent;
        for (std::size_t i = 0; i < header.pieces.size(); ++i) {
            const auto &[piece, isBold] = header.pieces[i];
            header.width += (isBold ? bold : plain).width(piece);
            if (i + 1 < header.pieces.size())
                header.width += plain.width(QStringLiteral("  "));
        }
        rows.push_back(std::move(header));
    }

    const bool names = on(LabelLine::ColourNames);
    const Measure nameType {labelFont(NamePoints * s)};
    for (const auto &[line, bands, spelled] : {std::tuple {LabelLine::FourBands, &text.fourBands, &text.fourNames},
             std::tuple {LabelLine::FiveBands, &text.fiveBands, &text.fiveNames}}) {
        if (!on(line))
            continue;
        Row row;
        row.kind = Row::Kind::Bands;
        row.bands = bands;
        row.height = std::max(DrawingHeight * s, names ? nameType.ascent() + nameType.descent() : 0.0);
        row.width = DrawingWidth * s;
        if (names) {
            row.names = *spelled;
            row.width += NameGap * s + nameType.width(row.names);
        }
        rows.push_back(std::move(row));
    }

    if (on(LabelLine::Smd)) {
        const Measure smd {labelFont(SmdPoints * s)};
        Row row;
        row.kind = Row::Kind::Smd;
        row.height = smd.ascent() + smd.descent();
        row.width = smd.width(text.smd);
        rows.push_back(std::move(row));
    }
    for (Row &row : rows)
        row.scale = s;
    return rows;
}

QSizeF LabelPainter::extent(const std::vector<Row> &rows)
{
    double width = 0, height = 0;
    for (const Row &row : rows) {
        width = std::max(width, row.width);
        height += row.height;
    }
    if (!rows.empty())
        height += RowGap * rows.front().scale * double(rows.size() - 1);
    return {width, height};
}

LabelFit LabelPainter::fit(const LabelText &text, QSizeF box) const
{
    LabelFit fit;
    const auto fits = [&](const LabelFit &f) {
        const QSizeF size = extent(rows(text, f));
        return size.width() <= box.width() && size.height() <= box.height();
    };
    for (std::size_t next = 0;; ++next) {
        // Type and lengths grow nearly in proportion: start where the
        // proportion says, then step down past what hinting adds.
        fit.scale = 1.0;
        const QSizeF natural = extent(rows(text, fit));
        if (natural.width() > 0 && natural.height() > 0)
            fit.scale = std::min({1.0, box.width() / natural.width(), box.height() / natural.height()});
        for (int step = 0; step < 100 && fit.scale > 0 && !fits(fit); ++step)
            fit.scale *= 0.98;
        // Past the last line that may give way, the code shrinks on.
        while (next < DropOrder.size() && !(fit.keeps(DropOrder[next]) && wanted(text, DropOrder[next])))
            ++next;
        if (fit.scale >= MinScale || next >= DropOrder.size())
            return fit;
        fit.dropped.set(std::size_t(DropOrder[next]));
    }
}

void LabelPainter::paint(QPainter &painter, double dotsPerMm, const QRectF &box, const LabelText &text) const
{
    const LabelFit fitted = fit(text, box.size());
    const std::vector<Row> laid = rows(text, fitted);
    const double s = fitted.scale;
    const auto device = [&](double mm) { return mm * dotsPerMm; };

    painter.save();
    painter.setPen(Qt::black);
    double y = box.top() + (box.height() - extent(laid).height()) / 2;
    for (const Row &row : laid) {
        switch (row.kind) {
        case Row::Kind::Header: {
            const QFont bold = labelFont(CodePoints * s, true);
            const QFont plain = labelFont(TextPoints * s);
            const bool hasBold = row.pieces.front().second;
            const double baseline = y + (hasBold ? Measure {bold} : Measure {plain}).ascent();
            double x = box.left();
            for (const auto &[piece, isBold] : row.pieces) {
                painter.setFont(isBold ? bold : plain);
                painter.drawText(QPointF(device(x), device(baseline)), piece);
                x += Measure {isBold ? bold : plain}.width(piece) + Measure {plain}.width(QStringLiteral("  "));
            }
            break;
        }
        case Row::Kind::Bands: {
            const double top = y + (row.height - DrawingHeight * s) / 2;
            painter.save();
            painter.translate(device(box.left()), device(top));
            painter.scale(dotsPerMm * DrawingUnit, dotsPerMm * DrawingUnit);
            std::vector<std::optional<QColor>> fills;
            for (Colour c : *row.bands)
                fills.emplace_back(displayColor(colourRow(c).display));
            const QRect area(0, 0, int(std::floor(DrawingWidth * s / DrawingUnit)),
                int(std::floor(DrawingHeight * s / DrawingUnit)));
            BandPainter(Qt::black, Qt::white).paintResistor(painter, area, fills);
            painter.restore();
            if (!row.names.isEmpty()) {
                const QFont font = labelFont(NamePoints * s);
                const Measure type {font};
                const double baseline = y + (row.height - type.ascent() - type.descent()) / 2 + type.ascent();
                painter.setFont(font);
                painter.drawText(
                    QPointF(device(box.left() + (DrawingWidth + NameGap) * s), device(baseline)), row.names);
            }
            break;
        }
        case Row::Kind::Smd: {
            const QFont font = labelFont(SmdPoints * s);
            painter.setFont(font);
            painter.drawText(QPointF(device(box.left()), device(y + Measure {font}.ascent())), text.smd);
            break;
        }
        }
        y += row.height + RowGap * s;
    }
    painter.restore();
}

} // namespace Velmora
