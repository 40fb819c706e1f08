#pragma once

#include <QApplication>
#include <QProxyStyle>

#include <memory>

namespace Velmora {

// Velmora's tweaks over Fusion, which lays the windows out to the pixel on
// every desktop, or over the style the user chose (-style, QT_STYLE_OVERRIDE).
class VelmoraStyle : public QProxyStyle
{
    Q_OBJECT

public:
    VelmoraStyle();
    explicit VelmoraStyle(QStyle *base); // takes ownership

    // Less one start-up cost: a menu bar reads the image of its overflow
    // button as it is built, though Velmora's five short menus always fit.
    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;
    // Fusion draws a focused default button as it draws an unfocused one:
    // every push button with the focus gets one dotted frame, in place of
    // the base style's own if it has one. The line under the menu bar runs
    // unbroken at any scale.
    void drawControl(
        ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override;

private:
    mutable bool m_drawingPushButton = false;
};

// The application with Velmora's style and, for every window, menu and box,
// the windows' own font. Qt reads its options from argc and argv and leaves
// the rest, both of which must outlive it.
std::unique_ptr<QApplication> newStyledApplication(int &argc, char **argv);

} // namespace Velmora
