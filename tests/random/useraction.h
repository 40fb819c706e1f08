#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <random>

namespace Velmora::Testing {

// One thing a user does to the window. Keys go wherever the keyboard focus
// is; clicks name their target. Should the action bring up a message box,
// closeKey says how the user dismisses it, and knock that they first try
// the window underneath.
struct UserAction {
    enum Kind {
        ClickEntry,
        CtrlClickEntry,
        DoubleClickEntry,
        ClickBlank, // below the last entry of List3 or List4
        ClickButton,
        Up,
        Down,
        Home,
        End,
        PageUp,
        PageDown,
        Left,
        Right,
        Tab,
        Backtab,
        Return,
        KeypadEnter,
        Space,
        CtrlSpace,
        Escape,
        SwitchForm, // Ctrl+5 or Ctrl+6 (target), then Ctrl+4 back
        ApplyValue, // Ctrl+K, a value typed (target, in Model::Values), Enter, Escape
    };
    enum CloseKey { CloseReturn, CloseEnter, CloseEscape, CloseSpace };

    Kind kind = Tab;
    int target = 0; // band, button number, band count or value
    int row = 0;
    CloseKey closeKey = CloseReturn;
    bool knock = false;

    bool operator==(const UserAction &) const = default;

    // A short token for VELMORA_REPLAY, and the same for a reader.
    QString token() const;
    QString describe() const;
    static std::optional<UserAction> fromToken(QStringView token);

    // A random action; chosen holds each band's chosen row, so that
    // Ctrl+clicks mostly land where they try to remove a band.
    static UserAction random(std::mt19937_64 &rng, const std::array<int, 4> &chosen);
};

QString tokens(const QList<UserAction> &actions);
std::optional<QList<UserAction>> parseTokens(const QString &text);

} // namespace Velmora::Testing
