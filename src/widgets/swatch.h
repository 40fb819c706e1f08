#pragma once

#include "colourcode.h"

#include <QWidget>

namespace Velmora {

// One band painted on the resistor: an opaque rectangle with a dark
// outline, so that white, silver and grey stay visible on the background,
// and a chosen band is never taken for an empty place.
class Swatch : public QWidget
{
    Q_OBJECT

public:
    explicit Swatch(QWidget *parent = nullptr);

    ColourRef fill() const { return m_fill; }
    void setFill(ColourRef fill);

    // The colour the fill resolves to here; system colours come from the palette.
    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourRef m_fill = ButtonFace;
};

} // namespace Velmora
