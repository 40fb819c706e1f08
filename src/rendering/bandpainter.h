#pragma once

#include <QColor>
#include <QRect>

#include <optional>
#include <span>

class QPainter;

namespace Velmora {

// A resistor as the windows draw it, on any paint device: the outlines of
// its body and leads and its bands, in `ink` over what lies `behind` them.
// Every line fills the pixels it runs through, as the bands fill theirs, so
// that at any scale the bands sit exactly within the body's outline: a
// stroked line straddles the edge and, scaled by 1.5 or 1.75, loses its
// outer half to the clip.
class BandPainter
{
public:
    BandPainter(const QColor &ink, const QColor &behind);

    // The body's outline on the outermost pixels of `body`. The leads are
    // one box as wide as both, run through the body, which hides their
    // middle; a null box draws none.
    void paintBody(QPainter &painter, const QRect &body, const QRect &leads = {}) const;

    // A band filling r: its fill inside an outline. A fill too close to what
    // lies behind it to be told from it (white or silver on the light body,
    // black on a dark one) gets an outline twice as thick, so that it never
    // looks like a place with no colour. With no fill r is such a place: a
    // thin outline around the background. Too small for an outline, r is
    // its fill alone.
    void paintBand(QPainter &painter, const QRect &r, const std::optional<QColor> &fill) const;

    // A whole resistor fitted to `area`, as the windows draw one: leads
    // across the middle third, a body over the middle three fifths, and its
    // bands, band n at fill n, spaced evenly with the last apart, as the
    // tolerance band stands on a part. For a label, a picture, a page.
    void paintResistor(QPainter &painter, const QRect &area, std::span<const std::optional<QColor>> bands) const;

private:
    bool nearBehind(const QColor &fill) const;

    QColor m_ink;
    QColor m_behind;
};

} // namespace Velmora
