#include "useraction.h"

#include "modeltables.h"

#include <QRegularExpression>

namespace Velmora::Testing {

namespace {

struct KindInfo {
    UserAction::Kind kind;
    const char *token;
    const char *text;
    int weight; // in a hundred random actions
};

constexpr std::array<KindInfo, 22> Kinds {{
    {UserAction::ClickEntry, "c", "click", 26},
    {UserAction::CtrlClickEntry, "x", "Ctrl+click", 4},
    {UserAction::DoubleClickEntry, "d", "double-click", 3},
    {UserAction::ClickBlank, "b", "click the blank below the entries of", 2},
    {UserAction::ClickButton, "B", "click", 9},
    {UserAction::Up, "Up", "key Up", 7},
    {UserAction::Down, "Down", "key Down", 9},
    {UserAction::Home, "Home", "key Home", 3},
    {UserAction::End, "End", "key End", 3},
    {UserAction::PageUp, "PageUp", "key Page Up", 1},
    {UserAction::PageDown, "PageDown", "key Page Down", 1},
    {UserAction::Left, "Left", "key Left", 1},
    {UserAction::Right, "Right", "key Right", 2},
    {UserAction::Tab, "Tab", "key Tab", 9},
    {UserAction::Backtab, "Backtab", "key Shift+Tab", 6},
    {UserAction::Return, "Return", "key Return", 4},
    {UserAction::KeypadEnter, "Enter", "key Enter (keypad)", 2},
    {UserAction::Space, "Space", "key Space", 4},
    {UserAction::CtrlSpace, "CtrlSpace", "key Ctrl+Space", 1},
    {UserAction::Escape, "Escape", "key Escape", 1},
    {UserAction::SwitchForm, "S", "switch to the form with bands:", 1},
    {UserAction::ApplyValue, "V", "apply through the value dialog", 1},
}};

constexpr std::array<const char *, 4> CloseTokens {"R", "N", "E", "S"};
constexpr std::array<const char *, 4> CloseTexts {"Return", "keypad Enter", "Escape", "Space"};

constexpr bool inKindOrder()
{
    int weights = 0;
    for (std::size_t i = 0; i < Kinds.size(); ++i) {
        if (Kinds[i].kind != UserAction::Kind(i))
            return false;
        weights += Kinds[i].weight;
    }
    return weights == 100;
}
static_assert(inKindOrder());

const KindInfo &info(UserAction::Kind kind)
{
    return Kinds.at(std::size_t(kind));
}

int below(std::mt19937_64 &rng, int n)
{
    return int(rng() % std::uint64_t(n));
}

bool hasEntry(UserAction::Kind k)
{
    return k == UserAction::ClickEntry || k == UserAction::CtrlClickEntry || k == UserAction::DoubleClickEntry;
}

} // namespace

QString UserAction::token() const
{
    QString t = QLatin1String(info(kind).token);
    if (hasEntry(kind))
        t += QStringLiteral("%1:%2").arg(target).arg(row);
    else if (kind == ClickBlank || kind == ClickButton || kind == SwitchForm || kind == ApplyValue)
        t += QString::number(target);
    t += QLatin1Char('/') + QLatin1String(CloseTokens.at(closeKey));
    if (knock)
        t += QLatin1Char('!');
    return t;
}

QString UserAction::describe() const
{
    QString t = QLatin1String(info(kind).text);
    if (hasEntry(kind)) {
        const auto name = Model::paintAt(target, row).name;
        t += QStringLiteral(" List%1 row %2 (%3)").arg(target).arg(row).arg(QLatin1String(name.data(), name.size()));
    } else if (kind == ClickBlank) {
        t += QStringLiteral(" List%1").arg(target);
    } else if (kind == ClickButton) {
        t += QStringLiteral(" Command%1").arg(target);
    } else if (kind == SwitchForm) {
        t += QStringLiteral(" %1, and back to 4").arg(target);
    } else if (kind == ApplyValue) {
        t += QStringLiteral(" \"%1\"").arg(QLatin1String(Model::Values.at(std::size_t(target)).text));
    }
    t += QStringLiteral("; a box, if any, closed with %1").arg(QLatin1String(CloseTexts.at(closeKey)));
    if (knock)
        t += QStringLiteral(" after trying the window behind it");
    return t;
}

std::optional<UserAction> UserAction::fromToken(QStringView token)
{
    static const QRegularExpression form(QStringLiteral("^([A-Za-z]+?)(\\d)?(?::(\\d))?/([RNES])(!?)$"));
    const auto match = form.match(token);
    if (!match.hasMatch())
        return std::nullopt;
    UserAction a;
    const auto kind = std::find_if(
        Kinds.begin(), Kinds.end(), [&](const KindInfo &k) { return match.capturedView(1) == QLatin1String(k.token); });
    if (kind == Kinds.end())
        return std::nullopt;
    a.kind = kind->kind;
    a.target = match.capturedView(2).toInt();
    a.row = match.capturedView(3).toInt();
    a.closeKey = CloseKey(QByteArrayView("RNES").indexOf(match.capturedView(4).at(0).toLatin1()));
    a.knock = !match.capturedView(5).isEmpty();

    const bool entry = hasEntry(a.kind);
    const bool targeted
        = entry || a.kind == ClickBlank || a.kind == ClickButton || a.kind == SwitchForm || a.kind == ApplyValue;
    if (targeted != match.hasCaptured(2) || entry != match.hasCaptured(3))
        return std::nullopt;
    if (entry && (a.target < 1 || a.target > 4 || a.row >= Model::rowCount(a.target)))
        return std::nullopt;
    if ((a.kind == ClickBlank && a.target != 3 && a.target != 4)
        || (a.kind == ClickButton && a.target != 1 && a.target != 2)
        || (a.kind == SwitchForm && a.target != 5 && a.target != 6)
        || (a.kind == ApplyValue && a.target >= int(Model::Values.size())))
        return std::nullopt;
    return a;
}

UserAction UserAction::random(std::mt19937_64 &rng, const std::array<int, 4> &chosen)
{
    UserAction a;
    int pick = below(rng, 100);
    for (const KindInfo &k : Kinds) {
        if (pick < k.weight) {
            a.kind = k.kind;
            break;
        }
        pick -= k.weight;
    }
    switch (a.kind) {
    case ClickEntry:
    case DoubleClickEntry:
        a.target = 1 + below(rng, 4);
        a.row = below(rng, Model::rowCount(a.target));
        break;
    case CtrlClickEntry:
        a.target = 1 + below(rng, 4);
        a.row = chosen.at(std::size_t(a.target - 1));
        if (a.row < 0 || below(rng, 4) == 0)
            a.row = below(rng, Model::rowCount(a.target));
        break;
    case ClickBlank:
        a.target = 3 + below(rng, 2);
        break;
    case ClickButton:
        a.target = below(rng, 3) == 0 ? 2 : 1; // clearing too often keeps the window shallow
        break;
    case SwitchForm:
        a.target = 5 + below(rng, 2);
        break;
    case ApplyValue:
        a.target = below(rng, int(Model::Values.size()));
        break;
    default:
        break;
    }
    a.closeKey = CloseKey(below(rng, 4));
    a.knock = below(rng, 4) == 0;
    return a;
}

QString tokens(const QList<UserAction> &actions)
{
    QStringList out;
    for (const UserAction &a : actions)
        out << a.token();
    return out.join(QLatin1Char(' '));
}

std::optional<QList<UserAction>> parseTokens(const QString &text)
{
    QList<UserAction> actions;
    for (const QString &t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto a = UserAction::fromToken(t);
        if (!a)
            return std::nullopt;
        actions << *a;
    }
    return actions;
}

} // namespace Velmora::Testing
