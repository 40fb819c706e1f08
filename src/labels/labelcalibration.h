#pragma once

namespace Velmora {

// What corrects a printer that places the page a little off or scales it:
// the page is moved by the offset, in millimetres (right and down are
// positive), and scaled about its top-left corner.
struct LabelCalibration {
    double offsetX = 0;
    double offsetY = 0;
    double scalePercent = 100;

    // The corrections a person may set: a printer this far off needs
    // mending, not calibrating.
    static constexpr double MostOffset = 20;
    static constexpr double LeastScale = 90;
    static constexpr double MostScale = 110;
    bool valid() const;

    // Kept in the platform's settings store, for the next time.
    static LabelCalibration saved();
    void save() const;

    bool operator==(const LabelCalibration &) const = default;
};

} // namespace Velmora
