#pragma once

#include <QProxyStyle>

namespace Velmora {

// Fusion, which lays the windows out to the pixel on every desktop, less one
// start-up cost: a menu bar reads the image of its overflow button as it is
// built, though Velmora's five short menus always fit beside each other.
class VelmoraStyle : public QProxyStyle
{
    Q_OBJECT

public:
    VelmoraStyle();

    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;
};

} // namespace Velmora
