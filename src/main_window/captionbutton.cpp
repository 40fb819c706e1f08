#include "captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace Velmora {

QRect CaptionButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionRect(), CaptionFlags, palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace Velmora
