#include "labelpages.h"

#include "labelpainter.h"

#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>
#include <map>

namespace Velmora {

namespace {

constexpr double MmPerInch = 25.4;

double dotsPerMmOf(const QPainter &painter)
{
    return painter.device()->logicalDpiX() / MmPerInch;
}

QRectF scaled(const QRectF &mm, double dotsPerMm)
{
    return {mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm};
}

} // namespace

LabelPages::LabelPages(const LabelSheet &sheet, const std::vector<Decimal> &values, const LabelContent &content)
    : m_sheet(sheet)
    , m_labels(sheet.labels())
    , m_values(values)
    , m_content(content)
{
    // One text for each distinct value, however many labels carry it.
    std::map<std::pair<std::int64_t, int>, std::size_t> known;
    m_texts.reserve(values.size());
    for (Decimal value : m_values) {
        const Decimal n = normalised(value);
        const auto [at, added] = known.try_emplace({n.significand, n.exponent}, m_texts.size());
        m_texts.push_back(added ? LabelText::of(value, content.toleranceHundredths) : m_texts[at->second]);
    }
    place();
}

void LabelPages::setUsed(const std::set<int> &positions)
{
    m_used = positions;
    place();
}

void LabelPages::place()
{
    m_placements.clear();
    const int perSheet = int(m_labels.size());
    if (perSheet == 0)
        return;
    // A first sheet with every position used is left in the drawer.
    const bool firstFull
        = int(std::count_if(m_used.begin(), m_used.end(), [&](int p) { return p >= 0 && p < perSheet; })) >= perSheet;
    int page = 0, position = 0;
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        while (page == 0 && !firstFull && m_used.count(position)) {
            if (++position == perSheet)
                break;
        }
        if (position == perSheet) {
            ++page;
            position = 0;
        }
        m_placements.push_back({page, position, i});
        if (++position == perSheet) {
            ++page;
            position = 0;
        }
    }
}

int LabelPages::pageCount() const
{
    return m_placements.empty() ? 0 : m_placements.back().page + 1;
}

QPageLayout LabelPages::pageLayout() const
{
    const QSizeF paper = m_sheet.paper;
    const bool landscape = paper.width() > paper.height();
    const QSizeF portrait = landscape ? paper.transposed() : paper;
    const QPageSize size(portrait, QPageSize::Millimeter, m_sheet.paperName, QPageSize::FuzzyMatch);
    return QPageLayout(
        size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

QRectF LabelPages::contentBox(int position) const
{
    QRectF label = m_labels.at(std::size_t(position));
    if (m_sheet.shape != LabelShape::Rectangle) {
        // The largest rectangle of the label's proportions inside its ellipse.
        const QPointF centre = label.center();
        label.setSize(label.size() / std::sqrt(2.0));
        label.moveCenter(centre);
    }
    const double margin = std::min({m_sheet.margin, label.width() / 4, label.height() / 4});
    return label.adjusted(margin, margin, -margin, -margin);
}

void LabelPages::calibrate(QPainter &painter, double dotsPerMm) const
{
    painter.translate(m_calibration.offsetX * dotsPerMm, m_calibration.offsetY * dotsPerMm);
    painter.scale(m_calibration.scalePercent / 100, m_calibration.scalePercent / 100);
}

void LabelPages::paintOutlines(QPainter &painter, double dotsPerMm, const QColor &ink, double widthMm) const
{
    painter.save();
    painter.setPen(QPen(ink, widthMm * dotsPerMm));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF &label : m_labels) {
        const QRectF r = scaled(label, dotsPerMm);
        if (m_sheet.shape == LabelShape::Rectangle)
            painter.drawRoundedRect(r, m_sheet.radius * dotsPerMm, m_sheet.radius * dotsPerMm);
        else
            painter.drawEllipse(r);
    }
    painter.restore();
}

void LabelPages::paintPage(QPainter &painter, int page, bool outlines) const
{
    const double dotsPerMm = dotsPerMmOf(painter);
    painter.save();
    calibrate(painter, dotsPerMm);
    if (outlines)
        paintOutlines(painter, dotsPerMm, QColor(0xB0, 0xB0, 0xB0), 0.15);
    const LabelPainter label(m_content);
    for (const Placement &placement : m_placements) {
        if (placement.page == page)
            label.paint(painter, dotsPerMm, contentBox(placement.position), m_texts[placement.value]);
    }
    painter.restore();
}

void LabelPages::paintCalibration(QPainter &painter) const
{
    const double mm = dotsPerMmOf(painter);
    painter.save();
    calibrate(painter, mm);
    paintOutlines(painter, mm, Qt::black, 0.2);

    // Rulers along the top and the left edge, 100 mm each, a tick a millimetre.
    constexpr double Start = 10, Length = 100, Edge = 4;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(5);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0.15 * mm));
    for (int i = 0; i <= int(Length); ++i) {
        const double tick = i % 10 == 0 ? 3 : (i % 5 == 0 ? 2 : 1);
        const double at = (Start + i) * mm;
        painter.drawLine(QPointF(at, Edge * mm), QPointF(at, (Edge + tick) * mm));
        painter.drawLine(QPointF(Edge * mm, at), QPointF((Edge + tick) * mm, at));
        if (i % 10 == 0) {
            painter.drawText(QPointF(at + 0.4 * mm, (Edge + 4.5) * mm), QString::number(i));
            painter.drawText(QPointF((Edge + 3.4) * mm, at - 0.4 * mm), QString::number(i));
        }
    }
    painter.drawLine(QPointF(Start * mm, Edge * mm), QPointF((Start + Length) * mm, Edge * mm));
    painter.drawLine(QPointF(Edge * mm, Start * mm), QPointF(Edge * mm, (Start + Length) * mm));

    font.setPointSizeF(9);
    painter.setFont(font);
    const QStringList lines {
        tr("Pagina di prova: %1, %2").arg(m_sheet.name(), m_sheet.paperName),
        tr("1. Stamparla su carta comune, al 100%, senza adattare alla pagina."),
        tr("2. Misurare i righelli: ciascuno è lungo 100 mm. Se misura altro, correggere la scala."),
        tr("3. Sovrapporre la pagina al foglio di etichette, controluce: se i contorni"),
        tr("    non coincidono, correggere lo scostamento (destra e in basso sono positivi)."),
        tr("Scostamento %1 × %2 mm, scala %3%")
            .arg(QLocale().toString(m_calibration.offsetX, 'f', 1), QLocale().toString(m_calibration.offsetY, 'f', 1),
                QLocale().toString(m_calibration.scalePercent, 'f', 1)),
    };
    const double lineHeight = 4.5;
    double y = m_sheet.paper.height() / 2 - lineHeight * double(lines.size()) / 2;
    for (const QString &line : lines) {
        painter.drawText(QPointF(20 * mm, y * mm), line);
        y += lineHeight;
    }
    painter.restore();
}

} // namespace Velmora
