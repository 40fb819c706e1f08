#include "layoutfont.h"

namespace Velmora {

// "MS Sans Serif" is not found outside Windows; the metric-compatible Liberation
// Sans (or Arial) keeps every text inside its control, where a generic
// fallback would be too wide.
QFont layoutFont(Layout::Font font)
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    switch (font) {
    case Layout::Font::Default: // the small dialog font, 8 pt
        f.setPixelSize(11);
        return f;
    case Layout::Font::Bold12:
        f.setPixelSize(16);
        break;
    case Layout::Font::Bold13_5:
        f.setPixelSize(18);
        break;
    case Layout::Font::Bold18:
        f.setPixelSize(24);
        break;
    }
    f.setWeight(QFont::Bold);
    return f;
}

} // namespace Velmora
