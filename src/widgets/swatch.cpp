#include "swatch.h"

#include "bandpainter.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace Velmora {

namespace {

// A plain widget is a filler to assistive technology, which screen readers
// pass over; a swatch is a picture of its band, with its colour as its name.
QAccessibleInterface *swatchAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(Swatch::staticMetaObject.className()) && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Swatch::Swatch(QWidget *parent)
    : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(swatchAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
    return displayColor(m_fill);
}

// An empty place keeps the thin outline around the body's colour; a chosen
// band is told from it by its fill or, where that is the body's, by a
// thicker outline.
void Swatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const BandPainter bands(palette().color(QPalette::WindowText), palette().color(QPalette::Window));
    bands.paintBand(painter, rect(), isSystemColour(m_fill) ? std::nullopt : std::optional(fillColor()));
}

} // namespace Velmora
