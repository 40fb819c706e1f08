#pragma once

#include "eseries.h"
#include "reading.h"
#include "valuereader.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

namespace Velmora {

// The sentences every feature says about a value: the engine gives codes and
// numbers, and this turns them into Italian with the user's decimal
// separator. What one tool alone says lives beside that tool; the layouts'
// own texts stay in their tables.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    static QString decimalPoint();
    // "a, b e c": last joins the final two ("e", or "o" for choices).
    static QString listed(const QStringList &items, const QString &last);

    // A value as the windows write it, and as the value reader reads back.
    static QString value(Decimal r);
    static QString tolerance(int hundredthsOfPercent); // "0,25%"
    static QString coefficient(int ppmPerKelvin); // "100 ppm/K"
    static QString colour(Colour c); // "arancio"
    // "Ohm", "F", "H": a unit as the windows name it.
    static QString unit(Unit unit);
    // "4700 Ohm", written as value() writes it; a value that is no decimal,
    // such as 2000/3, rounded to six figures after "≈ ".
    static QString quantity(const Quantity &q);
    // "± 5%", "+80/−20%".
    static QString tolerance(const Tolerance &t);
    // "4700 Ohm ± 5%", "… 100 ppm/K": a part, its unit its own.
    static QString part(const Part &part);
    // "4700 Ohm ± 5%", with six bands "… 100 ppm/K"; empty unless complete.
    static QString resultLine(const Reading &reading);

    // Why a text is not read as a value; typed is the text as given.
    static QString readRefusal(const ValueReading &reading, const QString &typed);
    // A value as a person types it, read with the user's decimal separator:
    // the one way every field and command reads one.
    static ValueReading read(const QString &typed);
    // A text longer than any field takes; one with a control character.
    static QString tooLong();
    static QString controlCharacter(unsigned code);
    // Why colours read from band 1 cannot start with black.
    static QString leadingZero();

    // "Serie E3, E6, E12, E24, E192".
    static QString seriesList(const std::vector<ESeries> &series);
    // A value in no series, and where the nearest offered ones come from.
    static QString notStandard(std::optional<ESeries> offeredFrom);

    // "tolleranza": what a band of this kind says.
    static QString bandKind(BandKind kind);
    // Why a band cannot be the colour typed: the colours its list has.
    static QString bandColourRefusal(const BandScheme &scheme, int band, const QString &typed);
};

} // namespace Velmora
