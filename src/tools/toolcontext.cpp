#include "toolcontext.h"

#include <QWidget>

namespace Velmora {

ToolContext::ToolContext(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void ToolContext::setReading(const Reading &reading)
{
    m_reading = reading;
    emit readingChanged(reading);
}

void ToolContext::setDrawer(const Drawer &drawer)
{
    m_drawer = drawer;
    emit drawerChanged(drawer);
}

} // namespace Velmora
