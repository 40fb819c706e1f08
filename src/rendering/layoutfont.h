#pragma once

#include "formlayout.h"

#include <QFont>
#include <QStringList>

namespace Velmora {

// The font a layout names, in pixels so that the layout holds at 96 dpi in
// logical pixels whatever the screen reports.
QFont layoutFont(Layout::Font font);

} // namespace Velmora
