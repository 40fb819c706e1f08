#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace Velmora::Testing {

// Everything the user can see of the window (and a screen reader can read),
// as plain values: what the driver reads off the real window and what the
// model expects are both one of these.
struct WindowView {
    std::array<QColor, 4> fills; // the swatches' own fill colours
    std::array<QColor, 4> pixels; // the swatches' centres as painted
    std::array<QString, 4> names; // Label5 ... Label8
    std::array<QString, 4> swatchNames; // the swatches' accessible names
    std::array<int, 4> selected {-1, -1, -1, -1};
    std::array<int, 4> selectedCount {};
    QString value; // Label9
    bool valueShown = true; // Label9 itself, empty or not
    std::array<bool, 4> resultShown {}; // Label11 ... Label14
    QString ohm, plusMinus, tolerance, heading; // Label11 ... Label14
    bool scratchShown = false; // Label10
    QString focus; // the window's focus widget
    QString keyboardFocus; // where keys go now; empty when the window is not active
    QStringList defaultButtons; // those drawn with the default button's frame
    int boxes = 0;
    QStringList boxFaults; // boxes that did not look like the missing-data box

    bool operator==(const WindowView &) const = default;
};

// One line per difference, "what: window ..., model ...".
QStringList differences(const WindowView &window, const WindowView &model);

} // namespace Velmora::Testing
