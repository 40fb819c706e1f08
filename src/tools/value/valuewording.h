#pragma once

#include "eseries.h"
#include "valuebands.h"

#include <QCoreApplication>
#include <QString>

namespace Velmora {

// What writing a value in bands says, in the value dialog and the terminal's
// valore: why bands cannot spell it, and the nearest standard values.
class ValueWording
{
    Q_DECLARE_TR_FUNCTIONS(ValueWording)

public:
    // Examples for an empty value field.
    static QString placeholder();
    // Why a scheme's bands cannot spell a value.
    static QString bandRefusal(const BandChoice &choice, Decimal value);
    static QString moreBandsButton(SchemeId scheme);

    static QString nearestButton(Decimal r);
    static QString nearestName(bool above, Decimal r);
    // The series line as one text: the series, or the nearest values after
    // Wording::notStandard().
    static QString standing(const SeriesStanding &standing);

    // Why a scheme has no row for what an option asked of a band's kind.
    static QString missingRow(const BandScheme &scheme, BandKind kind, const QString &typed);
};

} // namespace Velmora
