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

} // namespace Velmora
