#pragma once

#include <QPushButton>

namespace Velmora {

// A push button whose caption wraps at spaces onto further lines, centred,
// as the layout's long captions need. text() stays the caption as written.
class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

    // Where the caption is drawn, and the flags it is drawn with.
    QRect captionRect() const;
    static constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Velmora
