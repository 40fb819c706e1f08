#include "velmorastyle.h"

namespace Velmora {

VelmoraStyle::VelmoraStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

QIcon VelmoraStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon();
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace Velmora
