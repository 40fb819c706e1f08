#include "swatch.h"

#include <QPainter>

namespace Velmora {

Swatch::Swatch(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setFill(ColourRef fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

QColor Swatch::fillColor() const
{
    // The only system colour used is the button face, which is the window's
    // own background.
    if (isSystemColour(m_fill))
        return palette().color(QPalette::Window);
    return QColor(redOf(m_fill), greenOf(m_fill), blueOf(m_fill));
}

void Swatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(fillColor());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace Velmora
