#pragma once

#include "dividerfinder.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace Velmora {

// What partitore says of a divider and of the ratio and voltages it is
// asked for; the phrases it shares with combina are CombineCommandWording's.
class DividerWording
{
    Q_DECLARE_TR_FUNCTIONS(DividerWording)

public:
    // Three lines: the legs and the total; the ratio, its error and, with
    // vin, Vout and the current; each leg's limits and the ratio's.
    static QString dividerLines(const Divider &divider, const Exact &asked, const std::optional<Exact> &vin);

    static QString wantsRatio();
    static QString ratioTwice();
    static QString voutWithoutVin();
    static QString oneRatio(int words);
    static QString badRatio(const QString &typed);
    static QString ratioOutOfRange();
    static QString badVoltage(const QString &option, const QString &typed);
    static QString ambiguousVoltage(const QString &option, const QString &typed);
    static QString voutNotBelowVin();
    static QString nothingInTotal();
};

} // namespace Velmora
