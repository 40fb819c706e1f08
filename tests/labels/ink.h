#pragma once

#include <QImage>
#include <QRect>

// The first and last rows and columns of a painting holding anything but
// white.
inline QRect inked(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}
