#pragma once

#include "inductorbands.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

// What reading an inductor's bands says, wherever it is said.
class InductorWording
{
    Q_DECLARE_TR_FUNCTIONS(InductorWording)

public:
    // "4,7 µH", "220 nH", "1,5 mH": the prefix that keeps the figures
    // before the separator between 1 and 999, the user's separator.
    static QString value(Decimal henries);
    // "learnabout-electronics.org": the table a reading comes from.
    static QString source(InductorBandSource source);
    // "4 bande", "3 bande", "forma militare".
    static QString format(InductorBandFormat format);
    // "4,7 µH ± 10%", with the form and the table where they are not the
    // usual ones: "1 µH ± 20% (secondo learnabout-electronics.org)".
    static QString readingLine(const InductorBandValue &reading);
    // Why bands are not read: band counts from 1, typed is its colour as
    // given.
    static QString refusal(InductorBandError error, int band, const QString &typed);
    // A word that names no colour.
    static QString notAColour(int band, const QString &typed);
};

} // namespace Velmora
