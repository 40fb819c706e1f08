#pragma once

#include "useraction.h"
#include "windowview.h"

#include <array>

namespace Velmora::Testing {

// What the window should do, told from the user's side: the bands chosen,
// the result line, the keyboard focus and each list's cursor, and nothing
// of how the program is built.
class WindowModel
{
public:
    WindowModel(const QColor &background, const QString &decimalPoint);

    void apply(const UserAction &action);
    WindowView view() const;

    const std::array<int, 4> &chosen() const { return m_chosen; }

    // The exact value text of three chosen rows, by integer arithmetic.
    static QString valueText(int first, int second, int multiplier, const QString &decimalPoint);

private:
    // Tab order: the four lists, then the two buttons.
    enum Focus { List1, List2, List3, List4, Command1, Command2, FocusCount };

    void choose(int band, int row);
    void press(int button);
    void calculate();
    void clear();
    void focusByMouse(int focus) { m_focus = focus; }
    void focusByKeyboard(int focus);
    void moveInList(UserAction::Kind key);
    bool listFocused() const { return m_focus <= List4; }

    QColor m_background;
    QString m_decimalPoint;
    std::array<int, 4> m_chosen {-1, -1, -1, -1};
    // The row a list's keyboard cursor stands on, -1 for none. Focus given
    // by keyboard or window activation parks it on the first row unchosen.
    std::array<int, 4> m_cursor {-1, -1, -1, -1};
    QString m_value; // empty while no value is on show
    bool m_resultShown = false;
    int m_focus = List1;
    int m_boxes = 0;
};

} // namespace Velmora::Testing
