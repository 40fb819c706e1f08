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

constexpr std::array<Control, 21> Controls {{
    {"Label15", Role::Title, 1080, 120, 4335, 375, "VELMORA a 4 bande", Font::Bold18, true, 20},
    {"Label1", Role::Caption, 240, 1560, 1335, 375, "1° BANDA", Font::Bold12, true, 0, 1},
    {"Label2", Role::Caption, 1800, 1560, 1335, 375, "2° BANDA", Font::Bold12, true, 1, 2},
    {"Label3", Role::Caption, 3360, 1560, 1335, 375, "3° BANDA", Font::Bold12, true, 2, 3},
    {"Label4", Role::Caption, 4920, 1560, 1335, 375, "4° BANDA", Font::Bold12, true, 3, 4},
    {"List1", Role::List, 240, 1920, 1215, 2010, "", Font::Default, true, 8, 1},
    {"List2", Role::List, 1800, 1920, 1215, 2010, "", Font::Default, true, 9, 2},
    {"List3", Role::List, 3360, 1920, 1215, 2010, "", Font::Default, true, 10, 3},
    {"List4", Role::List, 4920, 1920, 1215, 2010, "", Font::Default, true, 11, 4},
    {"Label5", Role::ColourName, 240, 4080, 1335, 375, "", Font::Bold12, true, 4, 1},
    {"Label6", Role::ColourName, 1800, 4080, 1335, 375, "", Font::Bold12, true, 5, 2},
    {"Label7", Role::ColourName, 3360, 4080, 1335, 375, "", Font::Bold12, true, 6, 3},
    {"Label8", Role::ColourName, 4920, 4080, 1335, 375, "", Font::Bold12, true, 7, 4},
    {"Command1", Role::Calculate, 240, 4800, 1815, 615, "CALCOLA VALORE RESISTENZA", Font::Default, true, 12},
    {"Command2", Role::Clear, 240, 5520, 1815, 615, "Cancella", Font::Default, true, 14},
    {"Label14", Role::Heading, 2880, 5040, 2175, 375, "Valore resistenza", Font::Bold12, false, 19},
    {"Label9", Role::Value, 2520, 5400, 1335, 375, "", Font::Bold13_5, true, 13},
    {"Label11", Role::Unit, 3960, 5400, 735, 375, "Ohm", Font::Bold13_5, false, 16},
    {"Label12", Role::PlusMinus, 4800, 5400, 255, 375, "±", Font::Bold13_5, false, 17},
    {"Label13", Role::Tolerance, 5040, 5400, 495, 375, "", Font::Bold13_5, false, 18},
    {"Label10", Role::Scratch, 240, 840, 1095, 495, "", Font::Default, false, 15},
}};

// The resistor's outline: body and two leads.
struct Line {
    std::string_view name;
    int x1, y1, x2, y2;
};

constexpr std::array<Line, 10> Lines {{
    {"Line8", 2160, 840, 4560, 840},
    {"Line9", 2160, 1200, 4560, 1200},
    {"Line7", 2160, 840, 2160, 1200},
    {"Line10", 4560, 840, 4560, 1200},
    {"Line2", 1680, 960, 2160, 960},
    {"Line1", 1680, 1080, 2160, 1080},
    {"Line3", 1680, 960, 1680, 1080},
    {"Line5", 4560, 960, 5040, 960},
    {"Line4", 4560, 1080, 5040, 1080},
    {"Line6", 5040, 960, 5040, 1080},
}};

// The band swatches painted over the body; band n is Shapes[n - 1].
struct Shape {
    std::string_view name;
    int left, top, width, height;
};

constexpr std::array<Shape, 4> Shapes {{
    {"Shape1", 2520, 840, 135, 375},
    {"Shape2", 2880, 840, 135, 375},
    {"Shape3", 3240, 840, 135, 375},
    {"Shape4", 4080, 840, 135, 375},
}};

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

constexpr FormLayout FourBands {"Form1", SchemeId::FourBands, ClientWidth, ClientHeight, Controls, Lines, Shapes};

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
static_assert(onPixelGrid(FourBands));

} // namespace Velmora::Layout
