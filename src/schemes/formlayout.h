#pragma once

#include "bandscheme.h"

#include <array>
#include <span>
#include <string_view>

// The windows' layouts as designed, in twips (1440 to the inch, 15 to a pixel
// at 96 dpi). A band form converts its layout once, when it builds itself.
namespace Velmora::Layout {

constexpr int TwipsPerPixel = 15;
constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr std::string_view Caption = "Velmora";
constexpr int ClientWidth = 6495;
constexpr int ClientHeight = 6315;
// The windows whose lists hold thirteen colours.
constexpr int ClientHeightMore = 6900; // 460 px

// What a control does in its form; it decides the control's kind.
enum class Role {
    Title,
    Caption, // above a band's list
    List,
    ColourName, // under a band's list
    Calculate,
    Clear,
    Heading, // above the result line
    Value,
    Unit,
    PlusMinus,
    Tolerance,
    TempCoefficient,
    Scratch, // hidden, takes the first digit's text during a calculation
};

// Bold fonts ask for "MS Sans Serif"; their sizes are points at 96 dpi.
enum class Font { Default, Bold12, Bold13_5, Bold18 };

struct Control {
    std::string_view name;
    Role role;
    int left, top, width, height;
    std::string_view text; // UTF-8
    Font font;
    bool visible;
    int tabIndex;
    int band = 0; // captions, lists and colour names: their band
};

// A straight line of the resistor's outline.
struct Line {
    std::string_view name;
    int x1, y1, x2, y2;
};

// A band's swatch over the body.
struct Shape {
    std::string_view name;
    int left, top, width, height;
};

constexpr std::string_view MissingDataTitle = "Dati mancanti";
constexpr std::string_view MissingDataText = "Impossibile calcolare il valore. Completare i dati mancanti.";

// One form: its name, size and everything on it.
struct FormLayout {
    std::string_view name;
    SchemeId scheme;
    int clientWidth, clientHeight;
    std::span<const Control> controls;
    std::span<const Line> lines;
    std::span<const Shape> shapes; // band n is shapes[n - 1]
    // The unit, ± and what follows move right by as much as a value's text
    // is wider than its label, so that short values sit as close to "Ohm" as
    // in the four-band form and long ones still fit.
    bool resultFollowsValue = false;
};

// Every figure must land on a whole pixel.
constexpr bool onPixelGrid(const FormLayout &form)
{
    auto whole = [](int t) { return t % TwipsPerPixel == 0; };
    for (const auto &c : form.controls)
        if (!whole(c.left) || !whole(c.top) || !whole(c.width) || !whole(c.height))
            return false;
    for (const auto &l : form.lines)
        if (!whole(l.x1) || !whole(l.y1) || !whole(l.x2) || !whole(l.y2))
            return false;
    for (const auto &s : form.shapes)
        if (!whole(s.left) || !whole(s.top) || !whole(s.width) || !whole(s.height))
            return false;
    return whole(form.clientWidth) && whole(form.clientHeight);
}

} // namespace Velmora::Layout
