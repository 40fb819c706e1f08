#pragma once

class QColor;
class QPainter;
class QRect;

namespace Velmora {

// A chosen band: its fill inside an outline in `ink`. A fill too close to
// what lies `behind` it to be told from it (white or silver on the light
// body, black on a dark one) gets an outline twice as thick, so that it never
// looks like a place with no colour.
void paintBand(QPainter &painter, const QRect &r, const QColor &fill, const QColor &ink, const QColor &behind);

} // namespace Velmora
