#pragma once

#include "eseries.h"
#include "identification.h"
#include "reading.h"
#include "smdcode.h"
#include "valuebands.h"
#include "valuereader.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

namespace Velmora {

// Every sentence Velmora says about a value, in one place: the engine gives
// codes and numbers, and this turns them into Italian with the user's
// decimal separator. The layouts' own texts stay in their tables.
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    static QString decimalPoint();

    // A value as the windows write it, and as the value reader reads back.
    static QString value(Decimal r);
    static QString tolerance(int hundredthsOfPercent); // "0,25%"
    static QString coefficient(int ppmPerKelvin); // "100 ppm/K"
    static QString colour(Colour c); // "arancio"
    // "4700 Ohm ± 5%", with six bands "… 100 ppm/K"; empty unless complete.
    static QString resultLine(const Reading &reading);

    // Examples for an empty value field.
    static QString valuePlaceholder();
    // Why a text is not read as a value; typed is the text as given.
    static QString readRefusal(const ValueReading &reading, const QString &typed);
    // A text longer than any field takes; one with a control character.
    static QString tooLong();
    static QString controlCharacter(unsigned code);
    // Why a scheme's bands cannot spell a value.
    static QString bandRefusal(const BandChoice &choice, Decimal value);
    static QString moreBandsButton(SchemeId scheme);
    // Why colours read from band 1 cannot start with black.
    static QString leadingZero();

    // "Serie E3, E6, E12, E24, E192".
    static QString seriesList(const std::vector<ESeries> &series);
    // A value in no series, and where the nearest offered ones come from.
    static QString notStandard(std::optional<ESeries> offeredFrom);
    static QString nearestButton(Decimal r);
    static QString nearestName(bool above, Decimal r);
    // The series line as one text: the series, or the nearest values after
    // notStandard().
    static QString standing(const SeriesStanding &standing);

    // "tolleranza": what a band of this kind says.
    static QString bandKind(BandKind kind);
    // Why a band cannot be the colour typed: the colours its list has.
    static QString bandColourRefusal(const BandScheme &scheme, int band, const QString &typed);
    // Why a scheme has no row for what an option asked of a band's kind.
    static QString missingRow(const BandScheme &scheme, BandKind kind, const QString &typed);

    // "Banda 2: «blue» non è un colore; ..." for a band of unknown kind.
    static QString notAColour(int band, const QString &typed);
    // "rosso/": a slash with no colour on one side.
    static QString emptyAlternative(int band, const QString &typed);
    // "confermata dalla misura", "valore normalizzato, letta dall'altro lato".
    static QString rank(const Identified &reading);
    // "220 Ohm ± 1%: rosso rosso nero nero marrone; valore normalizzato".
    static QString identifiedLine(const Identified &reading);
    // What the readings come to, and how many are not shown.
    static QString verdict(const Identification &identification, bool measured);
    // What the colour code ruled out, rule by rule; empty when nothing.
    static QString exclusions(const Identification &identification);

    // "3 cifre", "EIA-96" ...
    static QString smdFormat(SmdFormat format);
    // "± 1%", or "non indicata (di solito 5%)" where the marking does not say it.
    static QString smdTolerance(const SmdReading &reading);
    // "EIA-96", or with the table where the code's readings rest on
    // different ones: "EIA-96, tabella di un produttore".
    static QString smdKind(const SmdCode &code, const SmdReading &reading);
    // "3,01 Ohm ± 1% (EIA-96)", "4700 Ohm (3 cifre)": one reading on a line.
    static QString smdReadingLine(const SmdCode &code, const SmdReading &reading);
    // "3 cifre; tolleranza non indicata (di solito 5%); Serie E3, E6": what
    // the SMD window says under a reading's value.
    static QString smdDetails(const SmdCode &code, const SmdReading &reading);
    // A marking whose readings disagree on the value.
    static QString smdAmbiguous();
    // Why a marking is not read; typed is the text as given.
    static QString smdRefusal(const SmdCode &code, const QString &typed);
    // "4700 Ohm si marca 472 (3 cifre) oppure 4701 (4 cifre)."
    static QString smdMarkings(Decimal value, const std::vector<SmdMarking> &markings);

    // The identify window. "Serie E12, E24 · valore normalizzato, letta
    // dall'altro lato": what a reading's line says under its value.
    static QString identifiedDetails(const Identified &identified);
    // Before any colour is chosen.
    static QString identifyPrompt();
    // Why a four-band reading cannot go to the four-band window.
    static QString notInFourBandWindow(int band, Colour colour);
};

} // namespace Velmora
