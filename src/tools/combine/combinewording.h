#pragma once

#include "dividerfinder.h"

#include <QCoreApplication>
#include <QString>

#include <span>

namespace Velmora {

// What the combination dialog says: its answers, a network in words for
// screen readers, and why it cannot search.
class CombineWording
{
    Q_DECLARE_TR_FUNCTIONS(CombineWording)

public:
    // "9000 Ohm"; a value that is no short decimal, such as 2000/3, rounded
    // to six figures after "≈ ".
    static QString ohms(const Exact &value);
    // "2200 + 6800", "(1000 || 2200) + 4700": each part as the windows write it.
    static QString network(Shape shape, std::span<const Decimal> parts);
    // "2200 Ohm in serie con 6800 Ohm", brackets around a group in a group.
    static QString inWords(Shape shape, std::span<const Decimal> parts);

    // "2 parti: 2200 + 6800", and its value, error and limits at the parts'
    // tolerance.
    static QString title(const Combination &c);
    static QString details(const Combination &c, const Exact &target, int tolerance);
    // "3 parti: sopra 1000 + 2200, sotto 6800", and its ratio, error, the
    // output for vin, the current and each leg's limits.
    static QString title(const Divider &d);
    static QString details(const Divider &d, const Exact &asked, const Exact &vin, int tolerance);
    static QString dividerInWords(const Divider &d);

    static QString searching();
    static QString nothingFound();
    static QString nothingWithinTotal();
    static QString emptyDrawer();
    static QString zeroTarget();
    // Why a field's value cannot be used, the field named.
    static QString inField(const QString &field, const QString &refusal);
    static QString notPositive();
    static QString notVoltage(const QString &typed);
    static QString vinNotPositive();
    static QString voutNotBelowVin();
    static QString rangeReversed();
    static QString totalReversed();
    // A part whose value the window's bands cannot spell.
    static QString noBands(Decimal value);
};

} // namespace Velmora
