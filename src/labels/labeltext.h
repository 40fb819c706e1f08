#pragma once

#include "colourtable.h"
#include "decimal.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace Velmora {

// Everything a value's label can say, in the user's language and decimal
// separator, before it is fitted to a label.
class LabelText
{
    Q_DECLARE_TR_FUNCTIONS(LabelText)

public:
    static LabelText of(Decimal ohms, int toleranceHundredths);

    QString code; // "4K7"
    QString value; // "4,7 kΩ"
    QString tolerance; // "± 5%"
    // The bands in four and in five, band 1 first: none where that code
    // cannot spell the value (4,75 kΩ in four bands) or lacks the tolerance.
    // At ± 20 %, which no band colour says, the four are the three bands
    // such a part carries.
    std::vector<Colour> fourBands;
    std::vector<Colour> fiveBands;
    QString fourNames; // "giallo viola rosso oro"
    QString fiveNames;
    QString smd; // "SMD 472 4701", empty when no digit code writes it
};

} // namespace Velmora
