#include "velmorastyle.h"

#include "layoutfont.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace Velmora {

VelmoraStyle::VelmoraStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{
}

VelmoraStyle::VelmoraStyle(QStyle *base)
    : QProxyStyle(base)
{
}

QIcon VelmoraStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon();
    return QProxyStyle::standardIcon(icon, option, widget);
}

void VelmoraStyle::drawControl(
    ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if ((element == CE_MenuBarItem || element == CE_MenuBarEmptyArea)
        && baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
        QProxyStyle::drawControl(element, option, painter, widget);
        // Fusion strokes the line under the menu bar item by item; scaled by
        // 1.5 or 2 each stroke stops a pixel short of the next item. The
        // same stroke, in Fusion's colour, one pixel longer within the item.
        const QColor window = option->palette.window().color();
        const QColor shade = window.darker(120);
        const QColor outline = window.darker(140).lighter(140);
        auto merged = [](int a, int b) { return a * 60 / 100 + b * 40 / 100; };
        const QColor line(merged(shade.red(), outline.red()), merged(shade.green(), outline.green()),
            merged(shade.blue(), outline.blue()));
        const QRect r = option->rect;
        painter->save();
        painter->setClipRect(r, Qt::IntersectClip);
        painter->setPen(line);
        painter->drawLine(r.bottomLeft(), r.bottomRight() + QPoint(1, 0));
        painter->restore();
        return;
    }
    if (element != CE_PushButton || !(option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    m_drawingPushButton = true;
    QProxyStyle::drawControl(element, option, painter, widget);
    m_drawingPushButton = false;

    // In the button's text colour, which keeps its contrast under a dark
    // palette; at least 3 px in, clear of Fusion's outline, or where the
    // style puts its own focus frame if deeper.
    QRect frame = option->rect.adjusted(3, 3, -3, -3);
    if (const QRect styles = subElementRect(SE_PushButtonFocusRect, option, widget); styles.isValid())
        frame &= styles;
    if (frame.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    QPen pen(option->palette.color(QPalette::ButtonText), 0);
    pen.setDashPattern({1, 1});
    painter->setPen(pen);
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    painter->restore();
}

void VelmoraStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect && m_drawingPushButton)
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

std::unique_ptr<QApplication> newStyledApplication(int &argc, char **argv)
{
    // Set first, so that Qt does not create the desktop's style only for it
    // to be replaced.
    auto *fusion = new VelmoraStyle;
    QApplication::setStyle(fusion);
    auto app = std::make_unique<QApplication>(argc, argv);
    if (QApplication::style() != fusion) { // the user's choice took its place
        delete fusion;
        QApplication::setStyle(new VelmoraStyle(QApplication::style()));
    }
    // The menus, boxes and dialogs in the face and size of the windows.
    QApplication::setFont(layoutFont(Layout::Font::Default));
    return app;
}

} // namespace Velmora
