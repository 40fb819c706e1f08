#include "windowmodel.h"

#include "modeltables.h"

namespace Velmora::Testing {

namespace {

QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

} // namespace

WindowModel::WindowModel(const QColor &background, const QString &decimalPoint)
    : m_background(background)
    , m_decimalPoint(decimalPoint)
{
    // The window opens active with List1 focused.
    focusByKeyboard(List1);
}

QString WindowModel::valueText(int first, int second, int multiplier, const QString &decimalPoint)
{
    // In hundredths of an ohm every value is a whole number.
    qint64 hundredths = 10 * first + second;
    for (int e = Model::Multipliers.at(std::size_t(multiplier)).exponent + 2; e > 0; --e)
        hundredths *= 10;
    QString whole = QString::number(hundredths / 100);
    QString fraction = QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    return fraction.isEmpty() ? whole : whole + decimalPoint + fraction;
}

void WindowModel::apply(const UserAction &a)
{
    const int band = a.target;
    switch (a.kind) {
    case UserAction::ClickEntry:
    case UserAction::CtrlClickEntry: // Ctrl cannot take a band away
    case UserAction::DoubleClickEntry:
        focusByMouse(band - 1);
        choose(band, a.row);
        break;
    case UserAction::ClickBlank:
        focusByMouse(band - 1);
        break;
    case UserAction::ClickButton:
        focusByMouse(a.target == 1 ? Command1 : Command2);
        press(a.target);
        break;
    case UserAction::Up:
    case UserAction::Down:
    case UserAction::Home:
    case UserAction::End:
    case UserAction::PageUp:
    case UserAction::PageDown:
        if (listFocused())
            moveInList(a.kind);
        else if (a.kind == UserAction::Up || a.kind == UserAction::Down)
            focusByKeyboard((m_focus + (a.kind == UserAction::Down ? 1 : FocusCount - 1)) % FocusCount);
        break;
    case UserAction::Left:
    case UserAction::Right:
        // A list has one column; between the buttons the arrows move like Tab.
        if (!listFocused())
            focusByKeyboard((m_focus + (a.kind == UserAction::Right ? 1 : FocusCount - 1)) % FocusCount);
        break;
    case UserAction::Tab:
        focusByKeyboard((m_focus + 1) % FocusCount);
        break;
    case UserAction::Backtab:
        focusByKeyboard((m_focus + FocusCount - 1) % FocusCount);
        break;
    case UserAction::Return:
    case UserAction::KeypadEnter:
        // Command1 is the default button; a focused button takes Enter itself.
        press(m_focus == Command2 ? 2 : 1);
        break;
    case UserAction::Space:
    case UserAction::CtrlSpace:
        if (listFocused()) {
            // Space chooses the row under the cursor; never unchooses it.
            if (const int row = m_cursor[std::size_t(m_focus)]; row >= 0)
                choose(m_focus + 1, row);
        } else {
            press(m_focus == Command1 ? 1 : 2);
        }
        break;
    case UserAction::Escape:
        break;
    case UserAction::SwitchForm:
        // Back from the other form, the focus is where it was left.
        focusByKeyboard(m_focus);
        break;
    case UserAction::ApplyValue: {
        // The dialog applies through the lists, with the window's tolerance
        // or, with none chosen, the usual 5 %; closing it hands the keyboard back.
        const Model::TypedValue &v = Model::Values.at(std::size_t(a.target));
        if (v.first >= 0) {
            const std::array<int, 4> rows {v.first, v.second, v.multiplier, m_chosen[3] >= 0 ? m_chosen[3] : 0};
            for (int band = 1; band <= 4; ++band)
                if (m_chosen[std::size_t(band - 1)] != rows[std::size_t(band - 1)])
                    choose(band, rows[std::size_t(band - 1)]);
        }
        focusByKeyboard(m_focus);
        break;
    }
    }
}

void WindowModel::moveInList(UserAction::Kind key)
{
    const int band = m_focus + 1;
    const int last = Model::rowCount(band) - 1;
    const int now = m_chosen[std::size_t(m_focus)];
    int row = 0;
    switch (key) {
    case UserAction::Up:
        row = now < 0 ? 0 : std::max(now - 1, 0); // the first arrow chooses the first row
        break;
    case UserAction::Down:
        row = now < 0 ? 0 : std::min(now + 1, last);
        break;
    case UserAction::End:
    case UserAction::PageDown: // every entry is in view
        row = last;
        break;
    default:
        break;
    }
    choose(band, row);
}

void WindowModel::choose(int band, int row)
{
    const bool changed = m_chosen[std::size_t(band - 1)] != row;
    m_chosen[std::size_t(band - 1)] = row;
    m_cursor[std::size_t(band - 1)] = row;
    // Bands 1 to 3 make up the value: with one on show it follows them.
    if (changed && band <= 3 && !m_value.isEmpty())
        calculate();
}

void WindowModel::press(int button)
{
    if (button == 1)
        calculate();
    else
        clear();
}

void WindowModel::calculate()
{
    if (std::find(m_chosen.begin(), m_chosen.end(), -1) != m_chosen.end()) {
        ++m_boxes;
        // Closing the box gives the window back its activation, and with it
        // a keyboard focus-in on the control that had focus.
        focusByKeyboard(m_focus);
        return;
    }
    m_value = valueText(m_chosen[0], m_chosen[1], m_chosen[2], m_decimalPoint);
    m_resultShown = true;
}

void WindowModel::clear()
{
    m_value.clear();
    m_resultShown = false;
    m_chosen.fill(-1);
    m_cursor.fill(-1);
}

void WindowModel::focusByKeyboard(int focus)
{
    m_focus = focus;
    if (listFocused() && m_cursor[std::size_t(focus)] < 0)
        m_cursor[std::size_t(focus)] = 0;
}

WindowView WindowModel::view() const
{
    static constexpr std::array FocusNames {"List1", "List2", "List3", "List4", "Command1", "Command2"};

    WindowView v;
    for (std::size_t i = 0; i < 4; ++i) {
        const int band = int(i) + 1;
        const int row = m_chosen[i];
        QString name;
        QColor colour = m_background;
        if (row >= 0) {
            const Model::Paint &paint = Model::paintAt(band, row);
            name = text(paint.name).toUpper();
            colour = QColor(paint.red, paint.green, paint.blue);
        }
        v.fills[i] = colour;
        v.pixels[i] = colour;
        v.names[i] = name;
        v.swatchNames[i]
            = QStringLiteral("%1° BANDA: %2").arg(band).arg(name.isEmpty() ? QStringLiteral("nessun colore") : name);
        v.selected[i] = row;
        v.selectedCount[i] = row >= 0 ? 1 : 0;
        v.resultShown[i] = m_resultShown;
    }
    v.value = m_value;
    v.valueShown = true;
    v.ohm = QStringLiteral("Ohm");
    v.plusMinus = QStringLiteral("±");
    v.tolerance = m_chosen[3] >= 0 ? text(Model::Tolerances.at(std::size_t(m_chosen[3])).text) : QString();
    v.heading = QStringLiteral("Valore resistenza");
    v.scratchShown = false;
    v.focus = QLatin1String(FocusNames.at(std::size_t(m_focus)));
    // The focused button is the default one; Command1 whenever the focus is
    // elsewhere.
    v.defaultButtons = {QLatin1String(m_focus == Command2 ? "Command2" : "Command1")};
    v.keyboardFocus = v.focus;
    v.boxes = m_boxes;
    return v;
}

} // namespace Velmora::Testing
