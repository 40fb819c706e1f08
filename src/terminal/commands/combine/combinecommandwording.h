#pragma once

#include "combinationfinder.h"
#include "drawercsv.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

// What combina and partitore say: networks, their errors and limits, and
// why the parts they were asked to build from are refused.
class CombineCommandWording
{
    Q_DECLARE_TR_FUNCTIONS(CombineCommandWording)

public:
    // A value rounded to six figures where it has more, "1380", "1384,62":
    // in ohms as the windows write one.
    static QString number(const Exact &value, const QString &unit);
    // "1380 Ohm", or "≈ 1384,62 Ohm" where rounded.
    static QString quantity(const Exact &value, const QString &unit);
    // "= 1380 Ohm", or "≈ 1384,62 Ohm" where rounded.
    static QString equalling(const Exact &value, const QString &unit);
    // "+10 Ohm (+0,73%)": how far a value is from the one asked.
    static QString error(const Exact &error, const Exact &asked, const QString &unit);
    // "da 8550 a 9450 Ohm".
    static QString limits(const Exact &lowest, const Exact &highest, const QString &unit);
    // "9000 Ohm = 2200 + 6800, esatto; con le tolleranze da 8550 a 9450 Ohm".
    static QString combinationLine(const Combination &combination, const Exact &target);

    static QString wantsValue();
    static QString zeroTarget();
    // Nothing to build from: the series between the bounds, or the drawer,
    // holds no part (or all of them were excluded).
    static QString noParts();
    static QString noSuchSeries(const QString &typed);
    static QString mostPartsRefusal(const QString &typed, int least, int most);
    static QString seriesWithDrawer();
    // A value typed for an option and not read: why, after the option.
    static QString optionRefusal(const QString &option, const QString &why);
    static QString notPositive(const QString &option);
    static QString boundsCrossed(const QString &lowest, const QString &highest);
    // The drawer file: why it is not read at all, or its first bad row.
    static QString drawerUnreadable(const QString &file, const QString &why);
    static QString missingFile();
    static QString directory();
    static QString unreadableFile();
    static QString fileTooLarge();
    static QString drawerRefusal(const QString &file, const CsvReading &reading);
};

} // namespace Velmora
