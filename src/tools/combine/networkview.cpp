#include "networkview.h"

#include "bandpainter.h"
#include "colourcode.h"
#include "combinewording.h"
#include "valuebands.h"
#include "wording.h"

#include <QPainter>

#include <algorithm>

namespace Velmora {

namespace {

// A part as the band windows draw one, small: body, leads and bands.
constexpr int PartWidth = 72;
constexpr int PartHeight = 18;
constexpr int TextGap = 1; // between a part and its value
constexpr int SeriesGap = 10; // the wire between parts in series
constexpr int Rail = 8; // the wire from a parallel branch to its rail
constexpr int BranchGap = 4;
constexpr int Lead = 12; // from a terminal or the junction to a network
constexpr int TerminalRadius = 3;
constexpr int LabelGap = 3;

} // namespace

NetworkView::NetworkView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

void NetworkView::setCombination(const Combination &combination)
{
    m_networks = {{combination.shape, combination.parts}};
    m_words = CombineWording::inWords(combination.shape, combination.parts);
    describe();
}

void NetworkView::setDivider(const Divider &divider)
{
    m_networks = {{divider.upper.shape, divider.upper.parts}, {divider.lower.shape, divider.lower.parts}};
    m_words = CombineWording::dividerInWords(divider);
    describe();
}

void NetworkView::setBands(SchemeId scheme, int tolerance)
{
    if (scheme == m_scheme && tolerance == m_tolerance)
        return;
    m_scheme = scheme;
    m_tolerance = tolerance;
    describe();
}

// The words as the name, and each part's colours as the description: what
// a person who cannot see the drawing needs to pick the parts out.
void NetworkView::describe()
{
    setAccessibleName(tr("Schema: %1").arg(m_words));
    QStringList parts;
    for (const Network &network : m_networks)
        for (Decimal value : network.parts) {
            const std::optional<Reading> bands = bandReading(value);
            if (!bands) {
                parts << CombineWording::noBands(value);
                continue;
            }
            QStringList colours;
            for (int band = 1; band <= bandScheme(m_scheme).bandCount; ++band)
                if (const std::optional<Colour> c = colourOf(*bands, band))
                    colours << Wording::colour(*c);
            parts << tr("%1 Ohm: %2").arg(Wording::value(value), colours.join(QStringLiteral(", ")));
        }
    parts.removeDuplicates();
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
    updateGeometry();
    update();
}

std::optional<Reading> NetworkView::bandReading(Decimal value) const
{
    const BandScheme &scheme = bandScheme(m_scheme);
    Reading base {m_scheme};
    // The part's own tolerance where the band has it, else the usual one.
    if (const int band = scheme.bandOf(BandKind::Tolerance); band != 0)
        base.setRow(band, rowOfValue(scheme, band, m_tolerance));
    const BandChoice choice = bandsFor(withUsualParts(base), value);
    if (choice.refusal != BandRefusal::None)
        return std::nullopt;
    return choice.reading;
}

std::vector<std::optional<QColor>> NetworkView::bandsOf(Decimal value) const
{
    std::vector<std::optional<QColor>> colours;
    const std::optional<Reading> reading = bandReading(value);
    for (int band = 1; reading && band <= bandScheme(m_scheme).bandCount; ++band) {
        const std::optional<Colour> c = colourOf(*reading, band);
        colours.push_back(c ? std::optional(displayColor(colourRow(*c).display)) : std::nullopt);
    }
    return colours;
}

NetworkView::Box NetworkView::measure(const Network &network, int node) const
{
    const NetworkNode &n = networkTree(network.shape)[std::size_t(node)];
    if (n.kind == NetworkNode::Kind::Part)
        return {PartWidth, PartHeight + TextGap + fontMetrics().height(), PartHeight / 2};
    Box box;
    int below = 0;
    for (int i = 0; i < n.childCount; ++i) {
        const Box child = measure(network, n.children[std::size_t(i)]);
        if (n.kind == NetworkNode::Kind::Series) {
            box.width += child.width + (i > 0 ? SeriesGap : 0);
            box.wire = std::max(box.wire, child.wire);
            below = std::max(below, child.height - child.wire);
        } else {
            box.width = std::max(box.width, child.width + 2 * Rail);
            box.height += child.height + (i > 0 ? BranchGap : 0);
            if (i == 0)
                box.wire = child.wire; // the first branch runs on in line
        }
    }
    if (n.kind == NetworkNode::Kind::Series)
        box.height = box.wire + below;
    return box;
}

void NetworkView::paintNode(QPainter &painter, const Network &network, int node, QPoint topLeft) const
{
    const NetworkNode &n = networkTree(network.shape)[std::size_t(node)];
    const Box box = measure(network, node);
    if (n.kind == NetworkNode::Kind::Part) {
        const Decimal value = network.parts[std::size_t(n.part)];
        const BandPainter bands(palette().color(QPalette::WindowText), palette().color(QPalette::Window));
        bands.paintResistor(painter, QRect(topLeft, QSize(PartWidth, PartHeight)), bandsOf(value));
        painter.drawText(QRect(topLeft.x(), topLeft.y() + PartHeight + TextGap, PartWidth, fontMetrics().height()),
            Qt::AlignHCenter | Qt::AlignTop, Wording::value(value));
        return;
    }
    int x = topLeft.x();
    int y = topLeft.y();
    int firstWire = 0;
    int lastWire = 0;
    for (int i = 0; i < n.childCount; ++i) {
        const int child = n.children[std::size_t(i)];
        const Box c = measure(network, child);
        if (n.kind == NetworkNode::Kind::Series) {
            if (i > 0) {
                wire(painter, {x, topLeft.y() + box.wire}, {x + SeriesGap - 1, topLeft.y() + box.wire});
                x += SeriesGap;
            }
            paintNode(painter, network, child, {x, topLeft.y() + box.wire - c.wire});
            x += c.width;
            continue;
        }
        // Each branch centred between the rails, wired out to both.
        const int left = topLeft.x() + (box.width - c.width) / 2;
        const int at = y + c.wire;
        paintNode(painter, network, child, {left, y});
        wire(painter, {topLeft.x(), at}, {left - 1, at});
        wire(painter, {left + c.width, at}, {topLeft.x() + box.width - 1, at});
        if (i == 0)
            firstWire = at;
        lastWire = at;
        y += c.height + BranchGap;
    }
    if (n.kind == NetworkNode::Kind::Parallel) {
        wire(painter, {topLeft.x(), firstWire}, {topLeft.x(), lastWire});
        wire(painter, {topLeft.x() + box.width - 1, firstWire}, {topLeft.x() + box.width - 1, lastWire});
    }
}

void NetworkView::wire(QPainter &painter, QPoint from, QPoint to) const
{
    painter.fillRect(QRect(from, to).normalized(), palette().color(QPalette::WindowText));
}

void NetworkView::terminal(QPainter &painter, QPoint at, bool filled) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(filled ? palette().color(QPalette::WindowText) : palette().color(QPalette::Window));
    painter.drawEllipse(QPointF(at) + QPointF(0.5, 0.5), TerminalRadius, TerminalRadius);
    painter.restore();
}

// One network between two terminals; a divider's legs from Vin through the
// Vout junction to 0 V, the names beside the terminals and over the junction.
QSize NetworkView::sizeHint() const
{
    if (m_networks.empty())
        return {};
    const bool divider = m_networks.size() == 2;
    const int top = divider ? fontMetrics().height() : 0;
    int wire = TerminalRadius;
    int below = TerminalRadius + 1;
    int width = 2 * (2 * TerminalRadius + 1);
    for (const Network &network : m_networks) {
        const Box box = measure(network, 0);
        wire = std::max(wire, box.wire);
        below = std::max(below, box.height - box.wire);
        width += box.width + 2 * Lead;
    }
    if (divider)
        width += fontMetrics().horizontalAdvance(tr("Vin")) + fontMetrics().horizontalAdvance(tr("0 V")) + 2 * LabelGap;
    return {width, top + wire + below};
}

void NetworkView::paintEvent(QPaintEvent *)
{
    if (m_networks.empty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const bool divider = m_networks.size() == 2;
    const int top = divider ? fontMetrics().height() : 0;
    int wireAt = TerminalRadius;
    for (const Network &network : m_networks)
        wireAt = std::max(wireAt, measure(network, 0).wire);
    wireAt += top;

    int x = 0;
    if (divider) {
        const QString vin = tr("Vin");
        painter.drawText(QPoint(x, wireAt + fontMetrics().ascent() / 2), vin);
        x += fontMetrics().horizontalAdvance(vin) + LabelGap;
    }
    const QPoint start(x + TerminalRadius, wireAt);
    x += 2 * TerminalRadius + 1;
    for (std::size_t i = 0; i < m_networks.size(); ++i) {
        const Box box = measure(m_networks[i], 0);
        wire(painter, {x, wireAt}, {x + Lead - 1, wireAt});
        x += Lead;
        paintNode(painter, m_networks[i], 0, {x, wireAt - box.wire});
        x += box.width;
        wire(painter, {x, wireAt}, {x + Lead - 1, wireAt});
        x += Lead;
        if (divider && i == 0) {
            const QString vout = tr("Vout");
            const int width = fontMetrics().horizontalAdvance(vout);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QPoint(x - width / 2, fontMetrics().ascent()), vout);
            terminal(painter, {x, wireAt}, true);
        }
    }
    terminal(painter, start, false);
    const QPoint end(x + TerminalRadius, wireAt);
    terminal(painter, end, false);
    if (divider) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            QPoint(end.x() + TerminalRadius + 1 + LabelGap, wireAt + fontMetrics().ascent() / 2), tr("0 V"));
    }
}

} // namespace Velmora
