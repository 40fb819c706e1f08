#pragma once

#include "drawer.h"
#include "reading.h"

#include <QObject>

class QWidget;

namespace Velmora {

// What a tool knows of the main window, and all the window knows of its
// tools: the reading on show, where a tool sends one, and the person's
// drawer of parts. The window keeps both up to date and acts on the
// requests.
class ToolContext : public QObject
{
    Q_OBJECT

public:
    explicit ToolContext(QWidget *window);

    // The tools' windows are its children, and open over it.
    QWidget *window() const { return m_window; }
    const Reading &reading() const { return m_reading; }
    // The window on show, or its reading, changed.
    void setReading(const Reading &reading);
    const Drawer &drawer() const { return m_drawer; }
    void setDrawer(const Drawer &drawer);

signals:
    void readingChanged(const Velmora::Reading &reading);
    void drawerChanged(const Velmora::Drawer &drawer);
    // Into the window on show, as clicks would.
    void applyRequested(const Velmora::Reading &reading);
    // Into the window of the reading's scheme, shown first.
    void showRequested(const Velmora::Reading &reading);
    // The window of a scheme, shown.
    void schemeRequested(Velmora::SchemeId scheme);

private:
    QWidget *m_window = nullptr;
    Reading m_reading;
    Drawer m_drawer;
};

} // namespace Velmora
