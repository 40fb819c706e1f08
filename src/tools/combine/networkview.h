#pragma once

#include "dividerfinder.h"
#include "reading.h"

#include <QWidget>

#include <optional>
#include <vector>

class QColor;
class QPainter;

namespace Velmora {

// A network of parts drawn as a schematic: series left to right, parallel
// branches stacked, every part with the bands of the window on show and
// its value under it. A divider is its two legs from Vin to 0 V, Vout
// between them. Screen readers get the network in words, and the bands.
class NetworkView : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkView(QWidget *parent = nullptr);

    void setCombination(const Combination &combination);
    void setDivider(const Divider &divider);
    // The bands' scheme, and the tolerance band's value where it has one.
    void setBands(SchemeId scheme, int tolerance);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Network {
        Shape shape = Shape::One;
        std::vector<Decimal> parts;
    };
    // A drawn group: its size and the height its wires enter at.
    struct Box {
        int width = 0;
        int height = 0;
        int wire = 0;
    };

    Box measure(const Network &network, int node) const;
    Box measureAll() const;
    void paintNode(QPainter &painter, const Network &network, int node, QPoint topLeft) const;
    void wire(QPainter &painter, QPoint from, QPoint to) const;
    void terminal(QPainter &painter, QPoint at, bool filled) const;
    // The bands that spell a value in the scheme; the colours, none where
    // it cannot.
    std::optional<Reading> bandReading(Decimal value) const;
    std::vector<std::optional<QColor>> bandsOf(Decimal value) const;
    void describe();

    std::vector<Network> m_networks; // one, or a divider's upper then lower leg
    QString m_words; // the network in words
    SchemeId m_scheme = SchemeId::FourBands;
    int m_tolerance = 500;
};

} // namespace Velmora
