#include "windowview.h"

namespace Velmora::Testing {

namespace {

QString show(const QColor &c)
{
    return c.isValid() ? QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue())
                       : QStringLiteral("none");
}
QString show(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}
QString show(int n)
{
    return QString::number(n);
}
QString show(bool b)
{
    return b ? QStringLiteral("shown") : QStringLiteral("hidden");
}
QString show(const QStringList &l)
{
    return QLatin1Char('[') + l.join(QStringLiteral("; ")) + QLatin1Char(']');
}

template<typename T> void compare(QStringList &out, const QString &what, const T &window, const T &model)
{
    if (!(window == model))
        out << QStringLiteral("%1: window %2, model %3").arg(what, show(window), show(model));
}

} // namespace

QStringList differences(const WindowView &w, const WindowView &m)
{
    QStringList out;
    for (std::size_t i = 0; i < 4; ++i) {
        const int band = int(i) + 1;
        compare(out, QStringLiteral("Shape%1 fill").arg(band), w.fills[i], m.fills[i]);
        compare(out, QStringLiteral("Shape%1 on screen").arg(band), w.pixels[i], m.pixels[i]);
        compare(out, QStringLiteral("Label%1 text").arg(band + 4), w.names[i], m.names[i]);
        compare(out, QStringLiteral("Shape%1 accessible name").arg(band), w.swatchNames[i], m.swatchNames[i]);
        compare(out, QStringLiteral("List%1 selected row").arg(band), w.selected[i], m.selected[i]);
        compare(out, QStringLiteral("List%1 selected rows").arg(band), w.selectedCount[i], m.selectedCount[i]);
        compare(out, QStringLiteral("Label%1").arg(band + 10), w.resultShown[i], m.resultShown[i]);
    }
    compare(out, QStringLiteral("Label9 text"), w.value, m.value);
    compare(out, QStringLiteral("Label9"), w.valueShown, m.valueShown);
    compare(out, QStringLiteral("Label11 text"), w.ohm, m.ohm);
    compare(out, QStringLiteral("Label12 text"), w.plusMinus, m.plusMinus);
    compare(out, QStringLiteral("Label13 text"), w.tolerance, m.tolerance);
    compare(out, QStringLiteral("Label14 text"), w.heading, m.heading);
    compare(out, QStringLiteral("Label10"), w.scratchShown, m.scratchShown);
    compare(out, QStringLiteral("window focus"), w.focus, m.focus);
    compare(out, QStringLiteral("keyboard focus"), w.keyboardFocus, m.keyboardFocus);
    compare(out, QStringLiteral("default button"), w.defaultButtons, m.defaultButtons);
    compare(out, QStringLiteral("boxes shown"), w.boxes, m.boxes);
    compare(out, QStringLiteral("box faults"), w.boxFaults, m.boxFaults);
    return out;
}

} // namespace Velmora::Testing
